// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QTextBlock>

#include "notes/note_tally.h"
#include "notes/outlook.h"

class NoteEdit;

namespace cipher {
class TextCipher;
}

// Follows every edit of the text area as it happens: recounts only the lines
// the edit touched for the outlook, and marks the characters that travel as
// codes with a quiet dotted line, again only on those lines unless the edit
// decides whether the note needs codes at all. A paste or a command that
// replaces the whole text is counted once.
class LiveNote : public QObject {
    Q_OBJECT

  public:
    LiveNote(const cipher::TextCipher& textCipher, NoteEdit& textArea);

    // What Encrypt Text would do with the text as it stands.
    notes::Outlook outlook() const;

  signals:
    // The text changed, and the counts and marks follow it.
    void changed();

  private:
    void contentsChanged(int position, int removed, int added);
    // Marks the characters of blocks first to last; all blocks when whole.
    void mark(const QTextBlock& first, const QTextBlock& last, bool whole);

    const cipher::TextCipher& cipher;
    NoteEdit& note;
    notes::NoteTally tally;
    bool coded = false;
};
