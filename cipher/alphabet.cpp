// SPDX-License-Identifier: MIT
#include <stdexcept>
#include <string>

#include "cipher/text_cipher.h"

namespace cipher {

namespace {

// The first 94 characters, positions 1 to 94.
constexpr std::u32string_view kLiteral =
    U"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz "
    U"'.,:;0123456789!?<>(){}[]@#$%^&*-+=_|/\\~`";

// Positions 95 to 127, appended in this order, given as Windows-1252 codes.
constexpr std::array<std::uint8_t, 33> kAppendedCodes = {
    249, 250, 171, 187, 251, 176, 177, 178, 179, 128, 34,  161, 191, 224, 225, 226, 228,
    230, 231, 232, 233, 234, 235, 236, 237, 238, 239, 241, 242, 243, 244, 246, 252};

static_assert(kLiteral.size() + kAppendedCodes.size() == kAlphabetSize);

// Windows-1252 agrees with Unicode except in 0x80..0x9F; codes it leaves
// undefined there map to the C1 control of the same value.
char32_t windows1252ToUnicode(std::uint8_t code) {
    static constexpr std::array<char32_t, 32> kHighControls = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    if (code >= 0x80 && code <= 0x9F) {
        return kHighControls[code - 0x80];
    }
    return code;
}

}  // namespace

TextCipher::TextCipher() : alphabet(kLiteral) {
    for (std::uint8_t code : kAppendedCodes) {
        alphabet += windows1252ToUnicode(code);
    }
    for (std::size_t index = 0; index < alphabet.size(); ++index) {
        const auto position = static_cast<std::uint8_t>(index + 1);
        if (alphabet[index] < kTableSize) {
            positionTable[alphabet[index]] = position;
        } else {
            widePositions.emplace_back(alphabet[index], position);
        }
    }
}

int TextCipher::widePosition(char32_t character) const noexcept {
    for (const auto& [wide, position] : widePositions) {
        if (wide == character) {
            return position;
        }
    }
    return 0;
}

char32_t TextCipher::alphabetCharacter(int position) const {
    if (position < 1 || position > kAlphabetSize) {
        throw std::out_of_range("Alphabet position " + std::to_string(position) +
                                " is outside 1 to 127.");
    }
    return alphabet[static_cast<std::size_t>(position - 1)];
}

}  // namespace cipher
