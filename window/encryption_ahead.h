// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <optional>

#include "notes/encryption_plan.h"
#include "notes/note_tally.h"

class QPlainTextEdit;

namespace cipher {
class TextCipher;
}

// The encryption of a long note, worked out once the text has been still
// for a moment, so that Encrypt Text only has to write it: for a million
// characters the work takes longer than Qt takes to show the result. Any
// change of the text throws it away. Not worked out ahead: a note within
// the cipher's limit, which encrypts in a millisecond or two, and a text
// that looks like a cipher text already, which is rarely encrypted again.
//
// The work is done on the GUI thread, as the live line's count of pieces
// is: on a thread of its own, the megabytes it goes through would stay
// with that thread's heap, which the allocator does not give back.
class EncryptionAhead : public QObject {
    Q_OBJECT

  public:
    struct Result {
        // The cipher text, as the text area takes it.
        QString text;
        notes::EncryptionPlan plan;
        // The counts of the cipher text's lines.
        notes::NoteTally tally;
    };

    EncryptionAhead(const cipher::TextCipher& cipher, QPlainTextEdit& textArea);

    // The encryption of the text as it stands, if it was worked out ahead.
    // Taken once.
    std::optional<Result> take();

  private:
    void textChanged();
    void workOut();

    const cipher::TextCipher& cipher;
    QPlainTextEdit& note;
    QTimer stillFor;
    std::optional<Result> ready;
};
