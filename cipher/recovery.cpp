// SPDX-License-Identifier: MIT
#include <algorithm>

#include "cipher/detail/bit_string_checks.h"
#include "cipher/text_cipher.h"

namespace cipher {

using namespace detail;

// Appending spaces lengthens every row of the scatter matrix, so each try
// moves every digit to another group; the first count that leaves no group
// all zeros wins. Each try extends the digits of the last one.
std::optional<std::size_t> TextCipher::spacesToEncrypt(std::u32string_view text) const {
    if (text.size() >= kMaxTextLength) {
        return std::nullopt;
    }
    std::string bits = encodeText(text);
    std::string padding;
    addencrypt(kPaddingCharacter, padding);
    for (std::size_t spaces = 1; text.size() + spaces <= kMaxTextLength; ++spaces) {
        bits += padding;
        const GroupValues values = scatteredGroupValues(bits);
        if (std::find(values.begin(), values.end(), 0) == values.end()) {
            return spaces;
        }
    }
    return std::nullopt;
}

std::u32string TextCipher::decryptTextLeniently(std::u32string_view text) const {
    return charactersAt(groupValues(decryptBits(text)), kReplacementCharacter);
}

}  // namespace cipher
