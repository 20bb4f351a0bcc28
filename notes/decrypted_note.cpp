// SPDX-License-Identifier: MIT
#include "notes/decrypted_note.h"

#include <optional>

#include "notes/character_codes.h"
#include "notes/note_ending.h"
#include "notes/offered_line.h"
#include "notes/recovered_text.h"

namespace notes {

DecryptedNote decryptPiece(const cipher::TextCipher& cipher, std::u32string_view cipherText) {
    RecoveredText recovered = decryptRestoringLineBreaks(cipher, cipherText);
    DecryptedNote note;
    note.metZeroGroups = recovered.lineBreaks != 0 || recovered.marks != 0;
    note.marks = recovered.marks;
    note.lineBreaks = recovered.lineBreaks;
    if (const std::optional<NoteEnding> ending = endingOf(recovered.text)) {
        note.ending = recovered.text.substr(recovered.text.size() - ending->length);
        note.piece = ending->piece;
        note.continues = ending->continues;
        recovered.text.resize(recovered.text.size() - ending->length);
    } else if (const std::size_t line = offeredLineAtEnd(cipher, recovered.text); line != 0) {
        note.offeredLine = recovered.text.substr(recovered.text.size() - line);
        recovered.text.resize(recovered.text.size() - line);
        --note.lineBreaks;
    }
    note.text = std::move(recovered.text);
    return note;
}

void readCodesOf(const cipher::TextCipher& cipher, DecryptedNote& note) {
    if (readsAsCoded(cipher, note.text)) {
        CodesReadBack read = readCodesBack(note.text);
        note.text = std::move(read.text);
        note.codes = read.codes;
    }
    note.lineBreaksCertain = note.codes != 0 || note.marks == 0 || note.lineBreaks == 0;
}

DecryptedNote decryptNote(const cipher::TextCipher& cipher, std::u32string_view cipherText) {
    DecryptedNote note = decryptPiece(cipher, cipherText);
    readCodesOf(cipher, note);
    return note;
}

}  // namespace notes
