// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <cstdint>
#include <future>
#include <optional>

#include "command.h"
#include "notes/encryption_plan.h"
#include "notes/note_pieces.h"
#include "notes/note_tally.h"

class QPlainTextEdit;

namespace cipher {
class TextCipher;
}

// What the command a long text calls for would write, worked out on another
// core as soon as a long text comes in whole (a paste, or Ctrl+Z of a
// command) and once typing pauses, so that the command only has to write
// it: for a million characters the work takes longer than Qt takes to
// show the result. A text that looks like a cipher text is decrypted ahead,
// when it is pieces that all decrypt, and any other text is encrypted
// ahead. Any change of the text throws the result away. Not worked out
// ahead: a text within the cipher's limit, which either command handles in
// a millisecond or two.
class CommandAhead : public QObject {
    Q_OBJECT

  public:
    struct Result {
        Command command = Command::Encrypt;
        // What the command writes, as the text area takes it.
        QString text;
        // The counts of its lines. A decrypted note's are counted after the
        // note is worked out, beside what follows: a command taken at once
        // need not wait for them.
        std::future<notes::NoteTally> tally;
        // Encrypt Text's pieces.
        notes::EncryptionPlan plan;
        // Decrypt Text's cipher texts, without their text.
        notes::DecryptedPieces pieces;
    };

    CommandAhead(const cipher::TextCipher& cipher, QPlainTextEdit& textArea);
    ~CommandAhead() override;
    CommandAhead(const CommandAhead&) = delete;
    CommandAhead& operator=(const CommandAhead&) = delete;

    // What command would write for the text as it stands, if it was worked
    // out ahead; when the work is under way, once it is done. Taken once.
    std::optional<Result> take(Command command);
    // The next change is a command's own result: its work waits for a
    // pause, not to take a core while the result is shown.
    void commandWrites();

  signals:
    // The text as it stands has been encrypted ahead, by this plan.
    void encrypted(const notes::EncryptionPlan& plan);
    // The text as it stands has been decrypted ahead, from these cipher texts.
    void decrypted(const notes::DecryptedPieces& pieces);

  private:
    void textChanged(int position, int removed, int added);
    void workOut();
    void collect(std::uint64_t work);

    const cipher::TextCipher& cipher;
    QPlainTextEdit& note;
    QTimer stillFor;
    QTimer giveBackLater;
    bool writing = false;
    // The work under way, and whether the text is still the one it started from.
    std::future<std::optional<Result>> working;
    std::uint64_t started = 0;
    bool workingOnText = false;
    // The text changed while the work was under way: work on it once done.
    bool workOutAgain = false;
    std::optional<Result> ready;
    // A result the text changed away from, until the text is still again.
    std::optional<Result> stale;
};
