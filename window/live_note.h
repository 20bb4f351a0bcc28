// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QTextBlock>
#include <QTimer>
#include <future>
#include <optional>
#include <string_view>

#include "note_edit.h"
#include "notes/encryption_plan.h"
#include "notes/note_pieces.h"
#include "notes/note_tally.h"
#include "notes/outlook.h"

namespace cipher {
class TextCipher;
}

// Follows every edit of the text area as it happens: recounts only the lines
// the edit touched for the outlook, and has the text area mark the
// characters that travel as codes with a quiet dotted line. A paste or a
// command that replaces the whole text is counted once.
class LiveNote : public QObject {
    Q_OBJECT

  public:
    LiveNote(const cipher::TextCipher& textCipher, NoteEdit& textArea);

    // What Encrypt Text would do with the text as it stands. Past the
    // cipher's limit the pieces are counted only when asked for.
    notes::Outlook outlook() const;
    // Counts the pieces of a note past the cipher's limit once the text
    // has been still for a moment, and then says the text changed: that
    // plans the whole note, a few milliseconds for a long one, which is
    // fine once but not at every keystroke.
    void countPiecesSoon();
    // The note as it stands was planned, by this plan: its pieces are
    // counted without planning it again.
    void planned(const notes::EncryptionPlan& plan);
    // The text as it stands is cipher texts that Decrypt Text reads back
    // into notes: its pieces are not counted.
    void decryptable(const notes::DecryptedPieces& pieces);
    // The whole text is about to become this text, which must live until
    // the text area has it: it is counted as the text area takes it in,
    // rather than read back out. Empty again after.
    void expectWhole(std::u32string_view text);
    // The same, for a text whose lines are being counted elsewhere.
    void expectCounted(std::future<notes::NoteTally> counting);
    // Frees the counts of the text a command replaced.
    void forgetReplaced();

  signals:
    // The text changed, and the counts and marks follow it.
    void changed();
    // The text did not change, but its pieces were counted or it was found
    // to be cipher texts: the outlook has more to say.
    void recounted();

  private:
    void contentsChanged(int position, int removed, int added);
    void countPieces();
    void countWhole();
    void setCoded(bool needsCodes);

    const cipher::TextCipher& cipher;
    NoteEdit& note;
    notes::NoteTally tally;
    // Sixteen thousand lines' counts take half a millisecond to free: not
    // while the command's result is still to be shown.
    notes::NoteTally replaced;
    bool coded = false;
    QTimer pieceCount;
    // The outlook with its pieces counted, until the text changes.
    std::optional<notes::Outlook> counted;
    std::future<notes::NoteTally> expected;
};
