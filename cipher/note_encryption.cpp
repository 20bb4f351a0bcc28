// SPDX-License-Identifier: MIT
#include "cipher/note_encryption.h"

#include "cipher/character_codes.h"
#include "cipher/offered_line.h"
#include "cipher/text_cipher.h"

namespace cipher {

std::u32string encryptNote(const TextCipher& cipher, std::u32string_view note,
                           const Padding* offeredLine) {
    std::u32string coded = withCodes(cipher, note);
    if (offeredLine != nullptr) {
        coded += additionOf(*offeredLine);
    }
    return cipher.encryptText(coded);
}

}  // namespace cipher
