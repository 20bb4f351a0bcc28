// SPDX-License-Identifier: MIT
#include "notes/note_encryption.h"

#include "cipher/text_cipher.h"
#include "notes/character_codes.h"
#include "notes/offered_line.h"

namespace notes {

std::u32string encryptNote(const cipher::TextCipher& cipher, std::u32string_view note,
                           const Padding* offeredLine) {
    std::u32string coded = withCodes(cipher, note);
    if (offeredLine != nullptr) {
        coded += additionOf(*offeredLine);
    }
    return cipher.encryptText(coded);
}

}  // namespace notes
