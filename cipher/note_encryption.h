// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include "cipher/padding.h"

namespace cipher {

class TextCipher;

// What Encrypt Text writes for a note: the cipher text of the note with its
// codes (see character_codes.h) and, where given, the offer's line after it.
// Throws as encryptText does: TextTooLongError, ZeroGroupError.
[[nodiscard]] std::u32string encryptNote(const TextCipher& cipher, std::u32string_view note,
                                         const Padding* offeredLine = nullptr);

}  // namespace cipher
