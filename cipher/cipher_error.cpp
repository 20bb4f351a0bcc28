// SPDX-License-Identifier: MIT
#include "cipher/cipher_error.h"

#include <string>

#include "cipher/limits.h"

namespace cipher {

ZeroGroupError::ZeroGroupError(std::size_t group)
    : CipherError("zero group: group " + std::to_string(group) + " has the value 0"),
      group_(group) {}

TextTooLongError::TextTooLongError(std::size_t length)
    : CipherError("text too long: " + std::to_string(length) + " characters, at most " +
                  std::to_string(kMaxTextLength)),
      length_(length) {}

}  // namespace cipher
