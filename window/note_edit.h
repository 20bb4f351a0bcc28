// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <utility>

// The text area, which marks runs of characters with a quiet dotted line
// the way a spelling checker marks a word. The marks are cursors of the
// document, so they move with the text as it is edited; they are drawn
// over the text after it is painted, from the lines Qt has just laid out.
// (As extra selections, Qt would lay out every line again for each mark on
// it at every paint.)
class NoteEdit : public QPlainTextEdit {
    Q_OBJECT

  public:
    explicit NoteEdit(QWidget* parent = nullptr);

    // Each mark selects its run.
    const QList<QTextCursor>& marks() const { return markCursors; }
    // New marks that differ from the old only on the blocks first to last,
    // which alone are painted again: an edit of one line leaves the others
    // as they were.
    void setMarks(QList<QTextCursor> marks, const QTextBlock& first, const QTextBlock& last);
    // The document positions (from, to) of the marked runs, in order.
    QList<std::pair<int, int>> markedRuns() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QList<QTextCursor> markCursors;
};
