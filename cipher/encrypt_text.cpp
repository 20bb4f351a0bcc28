// SPDX-License-Identifier: MIT
#include "cipher/alphabet_values.h"
#include "cipher/detail/bit_string_checks.h"
#include "cipher/text_cipher.h"

namespace cipher {

using namespace detail;

// Writes the digits row by row into 7 rows of n and reads them out column by
// column: output digit 7i + r is input digit i + r*n (0-based).
std::string TextCipher::scatterBits(std::string_view bits) {
    requireBitString(bits, "scatterBits");
    const std::size_t groups = bits.size() / kCodeLength;
    std::string scattered(bits.size(), '0');
    for (std::size_t row = 0; row < kCodeLength; ++row) {
        const char* source = bits.data() + row * groups;
        for (std::size_t column = 0; column < groups; ++column) {
            scattered[column * kCodeLength + row] = source[column];
        }
    }
    return scattered;
}

std::u32string TextCipher::encryptText(std::u32string_view text) const {
    // Reads the scattered groups straight from the encoded digits.
    return charactersAt(*this, scatteredGroupValues(encodeText(text)));
}

}  // namespace cipher
