// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

#include "cipher/detail/group_values.h"
#include "cipher/padding.h"

namespace cipher {
class TextCipher;
}

// Internal to the cipher: not part of its interface. The rules of
// zero_groups.h, padding.h and offered_line.h on a text given by the alphabet
// positions of its characters (0 for any other), for callers that keep a
// note's positions line by line instead of its text.
namespace cipher::detail {

// Whether a text of these positions encrypts; it must be within the length limit.
bool encryptsPositions(const GroupValues& positions);

// paddingToEncrypt of a text of these positions.
std::optional<Padding> paddingFor(const TextCipher& cipher, const GroupValues& positions);

// offeredLine of a text of these positions.
std::optional<Padding> offeredLineFor(const TextCipher& cipher, GroupValues positions);

}  // namespace cipher::detail
