// SPDX-License-Identifier: MIT
#include "command_ahead.h"

#include <QMetaObject>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <new>
#include <utility>

#include "cipher/limits.h"
#include "heap_trim.h"
#include "note_text.h"
#include "notes/already_encrypted.h"
#include "notes/note_encryption.h"
#include "notes/text_length.h"

namespace {

using Result = CommandAhead::Result;

// The cipher text's lines are few and counted at once; its text need not be kept.
Result encryptionOf(const cipher::TextCipher& cipher, const std::u32string& note) {
    notes::NoteEncryption encryption = notes::encryptNote(cipher, note);
    std::promise<notes::NoteTally> counted;
    counted.set_value(notes::NoteTally(cipher, encryption.cipherText));
    Result result{Command::Encrypt,
                  toTextAreaText(encryption.cipherText),
                  counted.get_future(),
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
    Result result{Command::Decrypt, toTextAreaText(pieces.text), {}, {}, {}};
    result.tally =
        std::async(std::launch::async, [&cipher, note = std::exchange(pieces.text, {})]() mutable {
            notes::NoteTally tally(cipher, note);
            // Not kept with the counts: the text area holds the note.
            note = std::u32string();
            return tally;
        });
    result.pieces = std::move(pieces);
    return result;
}

// What the command the text calls for writes, worked out on another core.
std::optional<Result> workedOut(const cipher::TextCipher& cipher, QString raw) {
    // The text area holds the text: its copy goes once it is read.
    const std::u32string text = noteOfRawText(std::exchange(raw, QString()));
    if (auto pieces = notes::alreadyEncryptedPieces(cipher, text)) {
        return decryptionOf(cipher, std::move(*pieces));
    }
    if (!notes::looksAlreadyEncrypted(cipher, text)) {
        return encryptionOf(cipher, text);
    }
    return std::nullopt;
}

// Out of memory, nothing is ready: a command works on the text itself.
std::optional<Result> workedOutIfMemoryAllows(const cipher::TextCipher& cipher, QString raw) {
    try {
        return workedOut(cipher, std::move(raw));
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

}  // namespace

CommandAhead::CommandAhead(const cipher::TextCipher& textCipher, QPlainTextEdit& textArea)
    : cipher(textCipher), note(textArea) {
    // Long enough for a typist's pause.
    constexpr int kStillMilliseconds = 150;
    stillFor.setSingleShot(true);
    stillFor.setInterval(kStillMilliseconds);
    connect(&stillFor, &QTimer::timeout, this, &CommandAhead::workOut);
    // What the work went through goes back to the system once it is done,
    // which takes milliseconds: not while a command waits for the work, nor
    // while the text area takes in its result.
    constexpr int kGiveBackMilliseconds = 400;
    giveBackLater.setSingleShot(true);
    giveBackLater.setInterval(kGiveBackMilliseconds);
    connect(&giveBackLater, &QTimer::timeout, this, &giveBackFreeMemory);
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
        std::optional<Result> result = workedOutIfMemoryAllows(cipher, std::move(raw));
        const auto collectWork = [this, work] { collect(work); };
        QMetaObject::invokeMethod(this, collectWork, Qt::QueuedConnection);
        return result;
    });
}

void CommandAhead::collect(std::uint64_t work) {
    giveBackLater.start();
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
            } else if (ready) {
                emit decrypted(ready->pieces);
            }
        }
    }
    if (std::exchange(workOutAgain, false)) {
        workOut();
    }
}
