// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "notes/encryption_plan.h"
#include "notes/padding.h"

namespace cipher {
class TextCipher;
}

namespace notes {

// What Encrypt Text writes for a note: the cipher text of the note with its
// codes (see character_codes.h), as planned (see encryption_plan.h).
struct NoteEncryption {
    std::u32string cipherText;
    EncryptionPlan plan;
};

// Takes a note of any length; never throws for a long one.
[[nodiscard]] NoteEncryption encryptNote(const cipher::TextCipher& cipher,
                                         std::u32string_view note);

// What earlier versions wrote for a note that met a group of seven zeros:
// the note with its codes and the offer's line after it (see offered_line.h).
// Throws as encryptText does: TextTooLongError, ZeroGroupError.
[[nodiscard]] std::u32string encryptWithOfferedLine(const cipher::TextCipher& cipher,
                                                    std::u32string_view note,
                                                    const Padding* offeredLine = nullptr);

}  // namespace notes
