// SPDX-License-Identifier: MIT
#include "cipher/detail/bit_string_checks.h"

#include <stdexcept>
#include <string>

#include "cipher/cipher_error.h"
#include "cipher/limits.h"

namespace cipher::detail {
namespace {

bool isDigit(char c) {
    return c == '0' || c == '1';
}

}  // namespace

void requireBitString(std::string_view bits, const char* operation) {
    const auto name = [operation] { return std::string(operation); };
    if (bits.size() > kMaxBitLength) {
        throw std::invalid_argument(name() + ": a bit string holds at most 32,767 digits, not " +
                                    std::to_string(bits.size()) + ".");
    }
    if (bits.size() % kCodeLength != 0) {
        throw std::invalid_argument(name() + ": the bit string's length " +
                                    std::to_string(bits.size()) + " is not a multiple of 7.");
    }
    // A branch-free pass first, so the common case vectorises.
    unsigned char stray = 0;
    for (char c : bits) {
        stray |= static_cast<unsigned char>((c | 1) ^ '1');
    }
    for (std::size_t at = 0; stray != 0 && at < bits.size(); ++at) {
        if (!isDigit(bits[at])) {
            throw std::invalid_argument(name() + ": character " + std::to_string(at + 1) +
                                        " of the bit string is not 0 or 1.");
        }
    }
}

void requireTransformableLength(std::size_t length) {
    if (length > kMaxTextLength) {
        throw TextTooLongError(length);
    }
}

}  // namespace cipher::detail
