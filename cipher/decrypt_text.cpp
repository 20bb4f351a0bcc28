// SPDX-License-Identifier: MIT
#include "cipher/alphabet_values.h"
#include "cipher/detail/bit_string_checks.h"
#include "cipher/text_cipher.h"

namespace cipher {

using namespace detail;

// Writes the digits row by row into n rows of 7 and reads them out column by
// column: output digit r*n + k is input digit 7k + r (0-based). This undoes
// scatterBits.
std::string TextCipher::gatherBits(std::string_view bits) {
    requireBitString(bits, "gatherBits");
    const std::size_t groups = bits.size() / kCodeLength;
    std::string gathered(bits.size(), '0');
    for (std::size_t row = 0; row < kCodeLength; ++row) {
        char* target = gathered.data() + row * groups;
        for (std::size_t group = 0; group < groups; ++group) {
            target[group] = bits[group * kCodeLength + row];
        }
    }
    return gathered;
}

std::string TextCipher::decryptBits(std::u32string_view text) const {
    // Gathering the encoded digits puts digit r of every character's code in
    // row r, so the rows come straight from the positions.
    requireTransformableLength(text.size());
    return gatheredDigits(alphabetPositions(*this, text));
}

std::u32string TextCipher::decryptText(std::u32string_view text) const {
    return charactersAt(*this, groupValues(decryptBits(text)));
}

}  // namespace cipher
