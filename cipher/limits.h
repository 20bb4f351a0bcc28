// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>

namespace cipher {

// Every character becomes this many binary digits: enough for positions up to 127.
inline constexpr std::size_t kCodeLength = 7;

// The alphabet holds positions 1 to 127; position 0 has no character.
inline constexpr int kAlphabetSize = 127;

// Lengths and counts have always been kept as 16-bit signed integers, so the
// longest bit string is 32,767 digits and the longest text 4,681 characters.
inline constexpr std::size_t kMaxBitLength = 32767;
inline constexpr std::size_t kMaxTextLength = kMaxBitLength / kCodeLength;

static_assert(kMaxTextLength == 4681);
static_assert(kMaxTextLength * kCodeLength == kMaxBitLength);

}  // namespace cipher
