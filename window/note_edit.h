// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <functional>
#include <utility>

// The text area, which marks characters with a quiet dotted line the way a
// spelling checker marks a word. Which characters are marked is asked of
// the characters themselves, and only of the lines being painted: nothing
// is kept per line, so an edit or a new text of any length costs the marks
// nothing, and a keystroke asks about the one line it repaints. The marks
// are drawn over the text after it is painted, from the lines Qt has just
// laid out. (As extra selections, Qt would lay out every line again for
// each mark on it at every paint.)
class NoteEdit : public QPlainTextEdit {
    Q_OBJECT

  public:
    explicit NoteEdit(QWidget* parent = nullptr);

    // Which characters are marked from now on. Whoever changes the answer
    // for characters that are not being edited repaints the view.
    void setMarked(std::function<bool(char32_t)> marks);
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

  private:
    std::function<bool(char32_t)> marked = [](char32_t) { return false; };
};
