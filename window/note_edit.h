// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <utility>

// The text area, which marks runs of characters with a quiet dotted line
// the way a spelling checker marks a word. Each block keeps the marks of
// its own characters, counted from its start, so they move with the block
// as the text around it is edited, at no cost to any edit: marks held as
// cursors of the document would each be moved at every insertion, and a
// long note pasted line by line would move thousands of them thousands of
// times. The marks are drawn over the text after it is painted, from the
// lines Qt has just laid out. (As extra selections, Qt would lay out every
// line again for each mark on it at every paint.)
class NoteEdit : public QPlainTextEdit {
    Q_OBJECT

  public:
    explicit NoteEdit(QWidget* parent = nullptr);

    // The runs of one block, from and to counted from the block's start.
    using Runs = QList<std::pair<int, int>>;
    static Runs marksOf(const QTextBlock& block);
    // Gives the block these marks; says whether they changed.
    static bool setMarks(const QTextBlock& block, Runs runs);
    // Paints the marks of blocks first to last again.
    void repaintMarks(const QTextBlock& first, const QTextBlock& last);
    // The document positions (from, to) of the marked runs, in order.
    QList<std::pair<int, int>> markedRuns() const;
    // Where the block's layout starts in the viewport.
    QPointF blockPlace(const QTextBlock& block) const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    // What Ctrl+C, Ctrl+X and dragging take out: the selected characters
    // exactly as the text area holds them, each line end as a line feed.
    // Qt's own plain text would turn every no-break space into a space and
    // every line separator into a line feed, so that a note copied out would
    // no longer be the note.
    QMimeData* createMimeDataFromSelection() const override;
};
