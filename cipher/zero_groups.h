// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace cipher {

class TextCipher;

// Whether encryptText takes the text: it is within the length limit and no
// group of its scattered digits is seven zeros.
[[nodiscard]] bool encrypts(const TextCipher& cipher, std::u32string_view text);

}  // namespace cipher
