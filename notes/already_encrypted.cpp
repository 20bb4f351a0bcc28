// SPDX-License-Identifier: MIT
#include "notes/already_encrypted.h"

#include "notes/decrypted_note.h"
#include "notes/decryption_outlook.h"
#include "notes/note_pieces.h"
#include "notes/outside_characters.h"
#include "notes/text_judgement.h"
#include "notes/text_length.h"

namespace notes {

namespace {

// Enough to judge by, and more than a single cipher text holds: a note of
// a million characters is judged by its start, as a reader would.
constexpr std::size_t kJudgedLength = 20'000;

}  // namespace

std::optional<DecryptedPieces> alreadyEncryptedPieces(const cipher::TextCipher& cipher,
                                                      std::u32string_view text) {
    if (!judgeText(text.substr(0, kJudgedLength)).doesNotReadLikeText()) {
        return std::nullopt;
    }
    return decryptPieces(cipher, text);
}

bool looksAlreadyEncrypted(const cipher::TextCipher& cipher, std::u32string_view text) {
    const TextJudgement own = judgeText(text.substr(0, kJudgedLength));
    if (!own.doesNotReadLikeText()) {
        return false;
    }
    // Each of several cipher texts has been judged to decrypt into a note
    // or a piece of one; a piece missing does not make them less so.
    if (decryptPieces(cipher, text)) {
        return true;
    }
    if (!measureText(text).fits() || charactersOutside(cipher, text).withLineBreaks() != 0) {
        return false;
    }
    const DecryptedNote decrypted = decryptNote(cipher, text);
    const TextJudgement result = judgeText(decrypted.text);
    return decrypted.complete() && result.readsLikeText() &&
           result.evidence - own.evidence >= kClearlyBetter;
}

}  // namespace notes
