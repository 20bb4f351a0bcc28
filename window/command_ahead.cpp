// SPDX-License-Identifier: MIT
#include "command_ahead.h"

#include <QMetaObject>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <utility>

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
std::optional<Result> decryptionOf(notes::DecryptedPieces pieces) {
    if (pieces.unreadable != 0 || pieces.gap) {
        return std::nullopt;
    }
    Result result{Command::Decrypt, toTextAreaText(pieces.text), {}, {}, {}};
    result.pieces = std::move(pieces);
    return result;
}

// What the command the text calls for writes, worked out on another core.
std::optional<Result> workedOut(const cipher::TextCipher& cipher, QString raw) {
    // The copy goes before the work's memory is given back.
    const std::u32string text = noteOfRawText(std::exchange(raw, QString()));
    if (auto pieces = notes::alreadyEncryptedPieces(cipher, text)) {
        return decryptionOf(std::move(*pieces));
    }
    if (!notes::looksAlreadyEncrypted(cipher, text)) {
        return encryptionOf(cipher, text);
    }
    return std::nullopt;
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

CommandAhead::~CommandAhead() {
    if (working.valid()) {
        working.wait();
    }
}

std::optional<CommandAhead::Result> CommandAhead::take(Command command) {
    if (working.valid() && workingOnText) {
        ready = working.get();
    }
    if (!ready || ready->command != command) {
        return std::nullopt;
    }
    std::optional<Result> taken = std::move(ready);
    ready.reset();
    return taken;
}

void CommandAhead::commandWrites() {
    writing = true;
}

// Freeing megabytes can take a millisecond: not on the keystroke's way.
void CommandAhead::textChanged(int /*position*/, int /*removed*/, int added) {
    if (ready) {
        stale = std::move(ready);
        ready.reset();
    }
    workingOnText = false;
    // Typing goes on after a keystroke; a pasted text is usually acted on.
    const bool cameInWhole = !writing && added > static_cast<int>(cipher::kMaxTextLength);
    writing = false;
    if (cameInWhole) {
        stillFor.stop();
        workOut();
    } else {
        stillFor.start();
    }
}

// Only the text is read on the GUI thread, in a millisecond for a million
// characters; the note layer works on a copy.
void CommandAhead::workOut() {
    stale.reset();
    if (working.valid()) {
        workOutAgain = true;
        return;
    }
    const auto length = static_cast<std::size_t>(note.document()->characterCount());
    if (length <= cipher::kMaxTextLength || length > notes::kMaxNoteLength) {
        return;
    }
    workingOnText = true;
    const std::uint64_t work = ++started;
    working = std::async(std::launch::async, [this, work, raw = rawText(note)]() mutable {
        std::optional<Result> result = workedOut(cipher, std::move(raw));
        // What the work went through goes back at once: the text stays shown.
        giveBackFreeMemory();
        QMetaObject::invokeMethod(
            this, [this, work] { collect(work); }, Qt::QueuedConnection);
        return result;
    });
}

void CommandAhead::collect(std::uint64_t work) {
    if (work != started) {
        // A command took this work's result already, and newer work is under way.
        return;
    }
    if (working.valid()) {
        std::optional<Result> result = working.get();
        if (workingOnText) {
            ready = std::move(result);
            if (ready && ready->command == Command::Encrypt) {
                emit encrypted(ready->plan);
            }
        }
    }
    if (std::exchange(workOutAgain, false)) {
        workOut();
    }
}
