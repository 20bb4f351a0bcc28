// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

#include "cipher/group_values.h"
#include "cipher/limits.h"
#include "notes/padding.h"

namespace cipher {
class TextCipher;
}

// Internal to the note layer: not part of its interface. The rules of
// padding.h and offered_line.h on a text given by the alphabet
// positions of its characters (0 for any other), for callers that keep a
// note's positions line by line instead of its text.
namespace notes::detail {

// paddingToEncrypt of a text of these positions; none where it would take
// more than mostCharacters.
std::optional<Padding> paddingFor(const cipher::TextCipher& cipher,
                                  const cipher::GroupValues& positions,
                                  std::size_t mostCharacters = cipher::kMaxTextLength);

// offeredLine of a text of these positions.
std::optional<Padding> offeredLineFor(const cipher::TextCipher& cipher,
                                      cipher::GroupValues positions);

}  // namespace notes::detail
