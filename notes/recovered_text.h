// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace cipher {
class TextCipher;
}

namespace notes {

// Decrypting puts this character where a character could not come back.
inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// A line break as the cipher sees it.
inline constexpr std::u32string_view kLineBreak = U"\r\n";

// A decrypted text whose groups of seven zeros were read as the characters
// they most likely were. Decrypting the encryption of a text gives back that
// text's own codes, so each line break (carriage return + line feed, both
// outside the alphabet) comes back as two consecutive zero groups. A run of
// 2k zero groups becomes k line breaks; a run of 2k + 1 becomes k line breaks
// followed by one kReplacementCharacter, since the one zero group that cannot
// be part of a line break is taken to be a lost character at the run's end.
struct RecoveredText {
    std::u32string text;
    // Line breaks put back, each as carriage return + line feed.
    std::size_t lineBreaks = 0;
    // kReplacementCharacter marks put where a character could not come back.
    std::size_t marks = 0;

    // Every zero group was part of a line break.
    [[nodiscard]] bool complete() const { return marks == 0; }
};

// Decrypts every group, reading runs of zero groups as line breaks.
[[nodiscard]] RecoveredText decryptRestoringLineBreaks(const cipher::TextCipher& cipher,
                                                       std::u32string_view text);

// Decrypts every group, putting kReplacementCharacter where a group is seven
// zeros instead of refusing the text.
[[nodiscard]] std::u32string decryptTextLeniently(const cipher::TextCipher& cipher,
                                                  std::u32string_view text);

}  // namespace notes
