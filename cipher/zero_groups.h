// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

#include "cipher/group_values.h"

namespace cipher {

class TextCipher;

// Whether encryptText takes the text: it is within the length limit and no
// group of its scattered digits is seven zeros.
[[nodiscard]] bool encrypts(const TextCipher& cipher, std::u32string_view text);

// The same for a text given by the alphabet positions of its characters (0
// for any other), which must be within the length limit: for callers that
// keep a text's positions rather than the text.
[[nodiscard]] bool encryptsPositions(const GroupValues& positions);

}  // namespace cipher
