// SPDX-License-Identifier: MIT
#include "cipher/outlook.h"

#include "cipher/note_tally.h"

namespace cipher {

Outlook outlookOf(const TextCipher& cipher, std::u32string_view note) {
    return NoteTally(cipher, note).outlook(cipher);
}

}  // namespace cipher
