// SPDX-License-Identifier: MIT
#include "note_replacement.h"

#include <QPlainTextEdit>
#include <QTextDocument>

#include "note_text.h"

NoteReplacement::NoteReplacement(QPlainTextEdit& textArea)
    : note(textArea), cursor(textArea.document()) {
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
}

NoteReplacement::~NoteReplacement() {
    if (open) {
        // Only reached when working out the new text failed: the note stays.
        cursor.insertText(removed);
        finish();
    }
}

void NoteReplacement::letGo(const QString& oldText) {
    removed = oldText;
    cursor.removeSelectedText();
}

void NoteReplacement::write(const std::u32string& text) {
    write(toTextAreaText(text));
}

void NoteReplacement::write(const QString& text) {
    cursor.insertText(text);
    finish();
}

void NoteReplacement::finish() {
    open = false;
    cursor.endEditBlock();
    note.setTextCursor(cursor);
}
