// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace cipher {
class TextCipher;
}

namespace notes {

// One character outside the alphabet, and how often a text holds it.
struct OutsideCharacter {
    char32_t character = 0;
    std::size_t count = 0;

    friend bool operator==(const OutsideCharacter&, const OutsideCharacter&) = default;
};

// The characters of a text that are not in the alphabet. A line break
// (carriage return + line feed) is counted apart: it reaches the cipher as two
// zero groups, which Decrypt Text reads back as a line break. A carriage
// return or line feed on its own is an outside character like any other.
struct OutsideCharacters {
    // Outside characters other than line breaks.
    std::size_t count = 0;
    std::size_t lineBreaks = 0;
    // Every kind once, in order of first appearance; line breaks are not among them.
    std::vector<OutsideCharacter> kinds;

    [[nodiscard]] bool any() const { return count != 0; }
    // Characters outside the alphabet, line breaks included, as a person counts them.
    [[nodiscard]] std::size_t withLineBreaks() const { return count + lineBreaks; }
};

[[nodiscard]] OutsideCharacters charactersOutside(const cipher::TextCipher& cipher,
                                                  std::u32string_view text);

// The text without any character outside the alphabet, line breaks
// included: what is left of a cipher text that picked some up on the way.
[[nodiscard]] std::u32string alphabetOnly(const cipher::TextCipher& cipher,
                                          std::u32string_view text);

}  // namespace notes
