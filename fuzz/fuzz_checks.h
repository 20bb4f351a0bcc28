// SPDX-License-Identifier: MIT
#pragma once

#include <cstdlib>
#include <string_view>

namespace fuzz {

// Stops the run, so that libFuzzer keeps the input.
inline void require(bool holds) {
    if (!holds) {
        std::abort();
    }
}

// Whether a code point stands for a character a text area may hold: a
// Unicode scalar value other than NUL.
inline bool isCharacter(char32_t character) {
    return character != 0 && (character < 0xD800 || character > 0xDFFF) && character <= 0x10FFFF;
}

inline bool onlyCharacters(std::u32string_view text) {
    for (const char32_t character : text) {
        if (!isCharacter(character)) {
            return false;
        }
    }
    return true;
}

}  // namespace fuzz
