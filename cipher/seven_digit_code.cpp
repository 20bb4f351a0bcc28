// SPDX-License-Identifier: MIT
#include <algorithm>
#include <array>
#include <cstring>
#include <stdexcept>
#include <string>

#include "cipher/alphabet_values.h"
#include "cipher/detail/bit_string_checks.h"
#include "cipher/text_cipher.h"

namespace cipher {

using namespace detail;

namespace {

// Eight bytes so that a code can be copied as one word; the eighth is spare.
using Code = std::array<char, 8>;

using CodeTable = std::array<Code, kAlphabetSize + 1>;

// The seven digits of every value 0 to 127, most significant first.
constexpr CodeTable makeCodes() {
    CodeTable codes{};
    for (std::size_t value = 0; value < codes.size(); ++value) {
        for (std::size_t digit = 0; digit < kCodeLength; ++digit) {
            const std::size_t weight = std::size_t{1} << (kCodeLength - 1 - digit);
            codes[value][digit] = (value & weight) != 0 ? '1' : '0';
        }
    }
    return codes;
}

constexpr CodeTable kCodes = makeCodes();

}  // namespace

void TextCipher::addencrypt(char32_t character, std::string& bits) const {
    const Code& code = kCodes[static_cast<std::size_t>(alphabetPosition(character))];
    bits.append(code.data(), kCodeLength);
}

void TextCipher::adddecrypt(std::int16_t start, std::u32string& text,
                            const std::string& bits) const {
    if (start < 1 || static_cast<std::size_t>(start) - 1 + kCodeLength > bits.size()) {
        throw std::invalid_argument("adddecrypt: no group of seven digits starts at position " +
                                    std::to_string(start) + " of a bit string of " +
                                    std::to_string(bits.size()) + " digits.");
    }
    const std::string_view group(bits.data() + start - 1, kCodeLength);
    requireBitString(group, "adddecrypt");
    const std::uint8_t value = groupValues(group).front();
    if (value == 0) {
        throw ZeroGroupError((static_cast<std::size_t>(start) - 1) / kCodeLength + 1);
    }
    text += alphabetCharacter(value);
}

std::string TextCipher::encodeText(std::u32string_view text) const {
    requireTransformableLength(text.size());
    // The same digits addencrypt appends, written eight bytes at a time: each
    // copy's spare eighth byte is overwritten by the next code, and the last
    // one by nothing, so the string is one byte longer until the end.
    std::string bits(text.size() * kCodeLength + 1, '\0');
    for (std::size_t index = 0; index < text.size(); ++index) {
        const Code& code = kCodes[static_cast<std::size_t>(alphabetPosition(text[index]))];
        std::memcpy(bits.data() + index * kCodeLength, code.data(), code.size());
    }
    bits.pop_back();
    return bits;
}

std::u32string TextCipher::decodeGroups(std::string_view bits) const {
    requireBitString(bits, "decodeGroups");
    return charactersAt(*this, groupValues(bits));
}

}  // namespace cipher
