// SPDX-License-Identifier: MIT
#include "notes/outlook.h"

#include "notes/note_tally.h"

namespace notes {

Outlook outlookOf(const cipher::TextCipher& cipher, std::u32string_view note) {
    return NoteTally(cipher, note).outlook(cipher, [note] { return std::u32string(note); });
}

}  // namespace notes
