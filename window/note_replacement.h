// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QTextCursor>
#include <string>

class QPlainTextEdit;

// A replacement of the whole text of the text area as one edit, which one
// Ctrl+Z takes back. Until write, nothing of it is shown, signalled or
// announced: the text area may let go of its old text early (letGo), which
// for a long note takes as long as working out the new one, and the two can
// run side by side. Should nothing be written after all, the old text is
// put back.
class NoteReplacement {
  public:
    explicit NoteReplacement(QPlainTextEdit& textArea);
    ~NoteReplacement();
    NoteReplacement(const NoteReplacement&) = delete;
    NoteReplacement& operator=(const NoteReplacement&) = delete;

    // Removes the old text now; oldText, as rawText gave it, comes back
    // should nothing be written.
    void letGo(const QString& oldText);
    // Writes text, each carriage return + line feed as a line end, and
    // ends the edit.
    void write(const std::u32string& text);
    // Writes text as the text area takes it, and ends the edit.
    void write(const QString& text);

  private:
    void finish();

    QPlainTextEdit& note;
    QTextCursor cursor;
    QString removed;
    bool open = true;
};
