// SPDX-License-Identifier: MIT
#include "notes/decrypted_note.h"

#include "notes/character_codes.h"
#include "notes/offered_line.h"
#include "notes/recovered_text.h"

namespace notes {

DecryptedNote decryptNote(const cipher::TextCipher& cipher, std::u32string_view cipherText) {
    RecoveredText recovered = decryptRestoringLineBreaks(cipher, cipherText);
    DecryptedNote note;
    note.metZeroGroups = recovered.lineBreaks != 0 || recovered.marks != 0;
    note.marks = recovered.marks;
    note.lineBreaks = recovered.lineBreaks;
    if (const std::size_t line = offeredLineAtEnd(cipher, recovered.text); line != 0) {
        note.offeredLine = recovered.text.substr(recovered.text.size() - line);
        recovered.text.resize(recovered.text.size() - line);
        --note.lineBreaks;
    }
    if (readsAsCoded(cipher, recovered.text)) {
        CodesReadBack read = readCodesBack(recovered.text);
        note.text = std::move(read.text);
        note.codes = read.codes;
    } else {
        note.text = std::move(recovered.text);
    }
    note.lineBreaksCertain = note.codes != 0 || note.marks == 0 || note.lineBreaks == 0;
    return note;
}

}  // namespace notes
