// SPDX-License-Identifier: MIT
#include "encryption_ahead.h"

#include <QPlainTextEdit>
#include <QTextDocument>

#include "cipher/limits.h"
#include "heap_trim.h"
#include "note_text.h"
#include "notes/already_encrypted.h"
#include "notes/note_encryption.h"
#include "notes/text_length.h"

namespace {

std::optional<EncryptionAhead::Result> encryptionOf(const cipher::TextCipher& cipher,
                                                    const std::u32string& note) {
    if (notes::looksAlreadyEncrypted(cipher, note)) {
        return std::nullopt;
    }
    notes::NoteEncryption encryption = notes::encryptNote(cipher, note);
    notes::NoteTally tally(cipher, encryption.cipherText);
    return EncryptionAhead::Result{toTextAreaText(encryption.cipherText),
                                   std::move(encryption.plan), std::move(tally)};
}

}  // namespace

EncryptionAhead::EncryptionAhead(const cipher::TextCipher& textCipher, QPlainTextEdit& textArea)
    : cipher(textCipher), note(textArea) {
    // After the live line's count of pieces, which comes 150 ms after the
    // last change, so that the two do not add up to one longer wait.
    constexpr int kStillMilliseconds = 300;
    stillFor.setSingleShot(true);
    stillFor.setInterval(kStillMilliseconds);
    connect(&stillFor, &QTimer::timeout, this, &EncryptionAhead::workOut);
    connect(note.document(), &QTextDocument::contentsChange, this, &EncryptionAhead::textChanged);
}

std::optional<EncryptionAhead::Result> EncryptionAhead::take() {
    std::optional<Result> taken = std::move(ready);
    ready.reset();
    return taken;
}

void EncryptionAhead::textChanged() {
    ready.reset();
    stillFor.start();
}

void EncryptionAhead::workOut() {
    const auto length = static_cast<std::size_t>(note.document()->characterCount());
    if (length <= cipher::kMaxTextLength || length > notes::kMaxNoteLength) {
        return;
    }
    ready = encryptionOf(cipher, readNote(note));
    // What the work went through goes back at once: the note stays shown.
    giveBackFreeMemory();
}
