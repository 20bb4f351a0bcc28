// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "cipher/group_values.h"

namespace cipher {
class TextCipher;
}

// A whole text's alphabet positions, and characters back from values.
namespace cipher {

// Alphabet position of every character of text, 0 for those outside it.
GroupValues alphabetPositions(const TextCipher& cipher, std::u32string_view text);

// The character at each value. A 0 becomes forZero, or without one throws
// ZeroGroupError naming the first such group.
std::u32string charactersAt(const TextCipher& cipher, const GroupValues& values,
                            std::optional<char32_t> forZero = std::nullopt);

}  // namespace cipher
