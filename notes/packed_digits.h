// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "cipher/group_values.h"
#include "cipher/limits.h"

// Internal to the note layer: a text's digits packed 64 to a word, for the
// searches that ask of many lengths whether a text encrypts.
namespace notes::detail {

// A text's digits as bits, 64 to a word: digit b of the string is bit b % 64 of word b / 64.
class PackedDigits {
  public:
    explicit PackedDigits(const cipher::GroupValues& positions)
        : digitCount(positions.size() * cipher::kCodeLength), words(digitCount / 64 + 2, 0) {
        // A code's most significant digit comes first, in the lowest bit.
        static constexpr auto kReversed = [] {
            std::array<std::uint64_t, 128> reversed{};
            for (std::size_t value = 0; value < reversed.size(); ++value) {
                for (std::size_t digit = 0; digit < cipher::kCodeLength; ++digit) {
                    reversed[value] |= (value >> (cipher::kCodeLength - 1 - digit) & 1u) << digit;
                }
            }
            return reversed;
        }();
        for (std::size_t character = 0; character < positions.size(); ++character) {
            const std::uint64_t code = kReversed[positions[character] & 127u];
            const std::size_t at = character * cipher::kCodeLength;
            words[at / 64] |= code << (at % 64);
            if (at % 64 > 64 - cipher::kCodeLength) {
                words[at / 64 + 1] |= code >> (64 - at % 64);
            }
        }
    }

    std::size_t size() const { return digitCount; }
    bool digit(std::size_t at) const { return (words[at / 64] >> (at % 64) & 1u) != 0; }

    // 64 digits starting at digit from, which lands in bit 0. Needs from <= size().
    std::uint64_t wordAt(std::size_t from) const {
        const std::size_t word = from / 64;
        const std::size_t shift = from % 64;
        const std::uint64_t low = words[word] >> shift;
        return shift == 0 ? low : low | words[word + 1] << (64 - shift);
    }

  private:
    std::size_t digitCount;
    std::vector<std::uint64_t> words;
};

}  // namespace notes::detail
