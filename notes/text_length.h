// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string_view>

#include "cipher/limits.h"

namespace notes {

// The longest note Encrypt Text takes, in pieces, as the cipher counts it.
inline constexpr std::size_t kMaxNoteLength = 2'000'000;

// How long a text is for the cipher, and for the person who typed it: a line
// break is one character to a person, but reaches the cipher as a carriage
// return and a line feed, and a character that travels as a code reaches it
// as the code's characters.
struct TextLength {
    // Characters as the cipher counts them, against kMaxTextLength.
    std::size_t characters = 0;
    // Carriage return + line feed pairs.
    std::size_t lineBreaks = 0;
    // Characters that codes add to the text.
    std::size_t addedByCodes = 0;

    [[nodiscard]] std::size_t asTyped() const { return characters - lineBreaks - addedByCodes; }
    [[nodiscard]] bool fits() const { return characters <= cipher::kMaxTextLength; }
    [[nodiscard]] bool fitsNote() const { return characters <= kMaxNoteLength; }
    [[nodiscard]] std::size_t excessOverNote() const {
        return fitsNote() ? 0 : characters - kMaxNoteLength;
    }
    // How many characters, as the cipher counts them, are past the limit.
    [[nodiscard]] std::size_t excess() const {
        return fits() ? 0 : characters - cipher::kMaxTextLength;
    }
};

// The length of a text that reaches the cipher as it stands, or, with
// addedByCodes, of a note whose codes add that many characters.
[[nodiscard]] TextLength measureText(std::u32string_view text, std::size_t addedByCodes = 0);

// Each carriage return that a line feed follows.
[[nodiscard]] std::size_t countLineBreaks(std::u32string_view text);

}  // namespace notes
