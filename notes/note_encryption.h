// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include "notes/padding.h"

namespace cipher {
class TextCipher;
}

namespace notes {

// What Encrypt Text writes for a note: the cipher text of the note with its
// codes (see character_codes.h) and, where given, the offer's line after it.
// Throws as encryptText does: TextTooLongError, ZeroGroupError.
[[nodiscard]] std::u32string encryptNote(const cipher::TextCipher& cipher, std::u32string_view note,
                                         const Padding* offeredLine = nullptr);

}  // namespace notes
