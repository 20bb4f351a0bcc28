// SPDX-License-Identifier: MIT
#include "cipher/group_values.h"

#include <array>
#include <bit>
#include <cstring>

#include "cipher/limits.h"

namespace cipher {
namespace {

std::uint8_t digitValue(char digit) {
    return static_cast<std::uint8_t>(digit & 1);
}

// Read as a little-endian word, digit s of a group sits in bit 0 of byte s.
// Multiplying by kGather moves it to bit 62 - s. Every other product term
// lands at a place of its own, either past bit 63 or below bit 56, so no
// carry reaches the top byte, which then holds the value. Byte 7, the next
// group's first digit, only lands past bit 63.
constexpr std::uint64_t kDigitBits = 0x0101010101010101;
constexpr std::uint64_t kGather = [] {
    std::uint64_t gather = 0;
    for (unsigned digit = 0; digit < kCodeLength; ++digit) {
        gather |= std::uint64_t{1} << (62 - 9 * digit);
    }
    return gather;
}();

std::uint8_t packedValue(std::uint64_t word) {
    return static_cast<std::uint8_t>(((word & kDigitBits) * kGather) >> 56);
}

std::uint8_t valueOfGroup(const char* digits) {
    std::uint8_t value = 0;
    for (std::size_t digit = 0; digit < kCodeLength; ++digit) {
        value = static_cast<std::uint8_t>((value << 1) | digitValue(digits[digit]));
    }
    return value;
}

}  // namespace

GroupValues groupValues(std::string_view bits) {
    if constexpr (std::endian::native != std::endian::little) {
        return groupValuesOneByOne(bits);
    }
    GroupValues values(bits.size() / kCodeLength);
    // Every group but the last has a byte after it to read along.
    for (std::size_t group = 0; group + 1 < values.size(); ++group) {
        std::uint64_t word;
        std::memcpy(&word, bits.data() + group * kCodeLength, sizeof word);
        values[group] = packedValue(word);
    }
    if (!values.empty()) {
        values.back() = valueOfGroup(bits.data() + bits.size() - kCodeLength);
    }
    return values;
}

GroupValues groupValuesOneByOne(std::string_view bits) {
    GroupValues values(bits.size() / kCodeLength);
    for (std::size_t group = 0; group < values.size(); ++group) {
        values[group] = valueOfGroup(bits.data() + group * kCodeLength);
    }
    return values;
}

std::string digitsOf(const GroupValues& positions) {
    // Eight digits to a word: the seven of the code and one that the next
    // code overwrites, as encodeText writes them.
    static constexpr auto kCodes = [] {
        std::array<std::uint64_t, 128> codes{};
        for (std::size_t value = 0; value < codes.size(); ++value) {
            std::array<char, 8> digits{};
            for (std::size_t digit = 0; digit < kCodeLength; ++digit) {
                digits[digit] = (value >> (kCodeLength - 1 - digit) & 1u) != 0 ? '1' : '0';
            }
            codes[value] = std::bit_cast<std::uint64_t>(digits);
        }
        return codes;
    }();
    std::string digits(positions.size() * kCodeLength + 1, '\0');
    for (std::size_t character = 0; character < positions.size(); ++character) {
        std::memcpy(digits.data() + character * kCodeLength, &kCodes[positions[character] & 127u],
                    sizeof(std::uint64_t));
    }
    digits.pop_back();
    return digits;
}

// Scattered group i takes digit i + r*n of bits as its digit r, so row r of
// the 7 x n matrix adds one digit to every group at once.
GroupValues scatteredGroupValues(std::string_view bits) {
    const std::size_t groups = bits.size() / kCodeLength;
    GroupValues values(groups, 0);
    std::uint8_t* __restrict out = values.data();
    for (std::size_t row = 0; row < kCodeLength; ++row) {
        const char* __restrict rowDigits = bits.data() + row * groups;
        for (std::size_t group = 0; group < groups; ++group) {
            out[group] =
                static_cast<std::uint8_t>(out[group] + out[group] + digitValue(rowDigits[group]));
        }
    }
    return values;
}

// Gathered digit r*n + k is digit r of character k's code.
std::string gatheredDigits(const GroupValues& positions) {
    const std::size_t groups = positions.size();
    std::string digits(groups * kCodeLength, '0');
    for (std::size_t row = 0; row < kCodeLength; ++row) {
        const auto mask = static_cast<std::uint8_t>(1u << (kCodeLength - 1 - row));
        char* __restrict rowDigits = digits.data() + row * groups;
        const std::uint8_t* __restrict in = positions.data();
        for (std::size_t group = 0; group < groups; ++group) {
            rowDigits[group] = (in[group] & mask) != 0 ? '1' : '0';
        }
    }
    return digits;
}

}  // namespace cipher
