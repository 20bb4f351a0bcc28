#include "cipher/group_values.h"

#include "cipher/limits.h"

namespace cipher {
namespace {

std::uint8_t digitValue(char digit) {
    return static_cast<std::uint8_t>(digit & 1);
}

}  // namespace

GroupValues groupValues(std::string_view bits) {
    GroupValues values(bits.size() / kCodeLength);
    for (std::size_t group = 0; group < values.size(); ++group) {
        const char* digits = bits.data() + group * kCodeLength;
        std::uint8_t value = 0;
        for (std::size_t digit = 0; digit < kCodeLength; ++digit) {
            value = static_cast<std::uint8_t>((value << 1) | digitValue(digits[digit]));
        }
        values[group] = value;
    }
    return values;
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
