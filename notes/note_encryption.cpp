// SPDX-License-Identifier: MIT
#include "notes/note_encryption.h"

#include "cipher/text_cipher.h"
#include "notes/character_codes.h"
#include "notes/offered_line.h"

namespace notes {

NoteEncryption encryptNote(const cipher::TextCipher& cipher, std::u32string_view note) {
    const std::u32string coded = withCodes(cipher, note);
    NoteEncryption encryption;
    encryption.plan = planEncryption(cipher, coded);
    encryption.cipherText = encryptPlanned(cipher, coded, encryption.plan);
    return encryption;
}

std::u32string encryptWithOfferedLine(const cipher::TextCipher& cipher, std::u32string_view note,
                                      const Padding* offeredLine) {
    std::u32string coded = withCodes(cipher, note);
    if (offeredLine != nullptr) {
        coded += additionOf(*offeredLine);
    }
    return cipher.encryptText(coded);
}

}  // namespace notes
