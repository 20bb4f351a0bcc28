// SPDX-License-Identifier: MIT
#include "command_ahead.h"

#include <QPlainTextEdit>
#include <QTextDocument>

#include "cipher/limits.h"
#include "heap_trim.h"
#include "note_text.h"
#include "notes/already_encrypted.h"
#include "notes/note_encryption.h"
#include "notes/text_length.h"

namespace {

using Result = CommandAhead::Result;

Result encryptionOf(const cipher::TextCipher& cipher, const std::u32string& note) {
    notes::NoteEncryption encryption = notes::encryptNote(cipher, note);
    Result result{Command::Encrypt,
                  toTextAreaText(encryption.cipherText),
                  notes::NoteTally(cipher, encryption.cipherText),
                  std::move(encryption.plan),
                  {}};
    return result;
}

// Only pieces that all decrypt, in their places, are written without a
// word with the user.
std::optional<Result> decryptionOf(const cipher::TextCipher& cipher,
                                   notes::DecryptedPieces pieces) {
    if (pieces.unreadable != 0 || pieces.gap) {
        return std::nullopt;
    }
    Result result{Command::Decrypt,
                  toTextAreaText(pieces.text),
                  notes::NoteTally(cipher, pieces.text),
                  {},
                  {}};
    pieces.text = std::u32string();
    result.pieces = std::move(pieces);
    return result;
}

}  // namespace

CommandAhead::CommandAhead(const cipher::TextCipher& textCipher, QPlainTextEdit& textArea)
    : cipher(textCipher), note(textArea) {
    // Long enough for a typist's pause.
    constexpr int kStillMilliseconds = 150;
    stillFor.setSingleShot(true);
    stillFor.setInterval(kStillMilliseconds);
    connect(&stillFor, &QTimer::timeout, this, &CommandAhead::workOut);
    connect(note.document(), &QTextDocument::contentsChange, this, &CommandAhead::textChanged);
}

std::optional<CommandAhead::Result> CommandAhead::take(Command command) {
    if (!ready || ready->command != command) {
        return std::nullopt;
    }
    std::optional<Result> taken = std::move(ready);
    ready.reset();
    return taken;
}

// Freeing megabytes can take a millisecond: not on the keystroke's way.
void CommandAhead::textChanged() {
    if (ready) {
        stale = std::move(ready);
        ready.reset();
    }
    stillFor.start();
}

void CommandAhead::workOut() {
    stale.reset();
    const auto length = static_cast<std::size_t>(note.document()->characterCount());
    if (length <= cipher::kMaxTextLength || length > notes::kMaxNoteLength) {
        return;
    }
    {
        const std::u32string text = readNote(note);
        if (auto pieces = notes::alreadyEncryptedPieces(cipher, text)) {
            ready = decryptionOf(cipher, std::move(*pieces));
        } else if (!notes::looksAlreadyEncrypted(cipher, text)) {
            ready = encryptionOf(cipher, text);
        }
    }
    if (ready && ready->command == Command::Encrypt) {
        emit encrypted(ready->plan);
    }
    // What the work went through goes back at once: the text stays shown.
    giveBackFreeMemory();
}
