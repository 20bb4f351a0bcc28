// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <optional>

#include "command.h"
#include "notes/encryption_plan.h"
#include "notes/note_pieces.h"
#include "notes/note_tally.h"

class QPlainTextEdit;

namespace cipher {
class TextCipher;
}

// What the command a long text calls for would write, worked out once the
// text has been still for a moment, so that the command only has to write
// it: for a million characters the work takes longer than Qt takes to show
// the result. A text that looks like a cipher text is decrypted ahead,
// when it is pieces that all decrypt, and any other text is encrypted
// ahead. Any change of the text throws the result away. Not worked out
// ahead: a text within the cipher's limit, which either command handles in
// a millisecond or two.
//
// The work is done on the GUI thread, as the live line's count of pieces
// is: on a thread of its own, the megabytes it goes through would stay
// with that thread's heap, which the allocator does not give back.
class CommandAhead : public QObject {
    Q_OBJECT

  public:
    struct Result {
        Command command = Command::Encrypt;
        // What the command writes, as the text area takes it.
        QString text;
        // The counts of its lines.
        notes::NoteTally tally;
        // Encrypt Text's pieces.
        notes::EncryptionPlan plan;
        // Decrypt Text's cipher texts, without their text.
        notes::DecryptedPieces pieces;
    };

    CommandAhead(const cipher::TextCipher& cipher, QPlainTextEdit& textArea);

    // What command would write for the text as it stands, if it was worked
    // out ahead. Taken once.
    std::optional<Result> take(Command command);

  signals:
    // The text as it stands has been encrypted ahead, by this plan.
    void encrypted(const notes::EncryptionPlan& plan);

  private:
    void textChanged();
    void workOut();

    const cipher::TextCipher& cipher;
    QPlainTextEdit& note;
    QTimer stillFor;
    std::optional<Result> ready;
    // A result the text changed away from, until the text is still again.
    std::optional<Result> stale;
};
