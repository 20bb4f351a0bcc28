// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The values of seven-digit groups, for the transforms and for callers that
// keep a text as its alphabet positions.
namespace cipher {

// Alphabet positions, or the values of seven-digit groups: one byte each, 0 to 127.
using GroupValues = std::vector<std::uint8_t>;

// The whole-text transforms work on these values instead of digit strings
// where they can: each loop runs over contiguous bytes, so the compiler
// vectorises it. Every function here takes digits that are already checked.

// Values of the consecutive groups of bits.
GroupValues groupValues(std::string_view bits);

// The same, one digit at a time: what machines that are not little-endian
// use, and the reference that the word-at-a-time reading is held to.
GroupValues groupValuesOneByOne(std::string_view bits);

// The digits of the positions, seven to each, most significant first: what
// encodeText writes for the characters at those positions.
std::string digitsOf(const GroupValues& positions);

// Values of the groups of the scattered bits, without building the scattered string.
GroupValues scatteredGroupValues(std::string_view bits);

// The gathered bits of a text whose alphabet positions are given.
std::string gatheredDigits(const GroupValues& positions);

}  // namespace cipher
