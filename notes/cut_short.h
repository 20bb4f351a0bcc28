// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace cipher {
class TextCipher;
}

namespace notes {

// A cipher text that lost characters at its start or its end on the way,
// most often when it was copied with a mouse and the selection fell short.
//
// The cipher spreads the digits of every character over the whole cipher
// text, so a cipher text that lost even one character decrypts into a
// seventh of its note followed by what reads like uniform characters. Put
// back in thought, the lost characters leave only the few characters of the
// note that took a digit from them unknown: assumed missing in the right
// number at the right end, the rest decrypts into the note again.
struct CutShort {
    enum class Where : std::uint8_t { Unknown, AtStart, AtEnd };
    // Where characters seem to be missing, and how many: known when one
    // guess explains the text clearly better than every other.
    Where where = Where::Unknown;
    std::size_t missing = 0;  // 0 when unknown

    [[nodiscard]] bool countKnown() const { return where != Where::Unknown; }
    friend bool operator==(const CutShort&, const CutShort&) = default;
};

// The most characters looked for at either end.
inline constexpr std::size_t kMostMissing = 4;

// Whether a text over the alphabet seems cut short: whether, with 1 to
// kMostMissing characters assumed missing at its start or its end, it
// decrypts clearly like text (see text_judgement.h), with more evidence than
// given: that of what it decrypts into as it stands, and a margin. None for a
// text with a character outside the alphabet, or over the length limit once
// the missing characters are added.
[[nodiscard]] std::optional<CutShort> cutShortOf(const cipher::TextCipher& cipher,
                                                 std::u32string_view text, double evidenceToBeat);

}  // namespace notes
