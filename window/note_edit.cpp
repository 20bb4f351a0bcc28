// SPDX-License-Identifier: MIT
#include "note_edit.h"

#include <QPaintEvent>
#include <QPainter>
#include <QTextBlock>
#include <QTextLayout>
#include <algorithm>

NoteEdit::NoteEdit(QWidget* parent) : QPlainTextEdit(parent) {}

void NoteEdit::setMarks(QList<QTextCursor> marks, const QTextBlock& first, const QTextBlock& last) {
    markCursors = std::move(marks);
    if (first == document()->firstBlock() && last == document()->lastBlock()) {
        viewport()->update();
        return;
    }
    const QRectF top = blockBoundingGeometry(first).translated(contentOffset());
    const QRectF bottom = blockBoundingGeometry(last).translated(contentOffset());
    viewport()->update(QRectF(0, top.top(), viewport()->width(), bottom.bottom() - top.top())
                           .toAlignedRect()
                           .intersected(viewport()->rect()));
}

QList<std::pair<int, int>> NoteEdit::markedRuns() const {
    QList<std::pair<int, int>> runs;
    for (const QTextCursor& mark : markCursors) {
        runs.append({mark.selectionStart(), mark.selectionEnd()});
    }
    return runs;
}

namespace {

// The dotted line under one mark, on each of the block's lines it covers.
void drawMark(QPainter& painter, const QTextCursor& mark, const QTextBlock& block,
              const QRectF& place, qreal below) {
    const QTextLayout* layout = block.layout();
    const int from = std::max(mark.selectionStart() - block.position(), 0);
    const int to = std::min(mark.selectionEnd() - block.position(), block.length() - 1);
    for (int index = 0; index < layout->lineCount(); ++index) {
        const QTextLine line = layout->lineAt(index);
        const int lineFrom = std::max(from, line.textStart());
        const int lineTo = std::min(to, line.textStart() + line.textLength());
        if (lineFrom >= lineTo) {
            continue;
        }
        const qreal y = place.top() + line.y() + line.ascent() + below;
        painter.drawLine(QPointF(place.left() + line.cursorToX(lineFrom), y),
                         QPointF(place.left() + line.cursorToX(lineTo), y));
    }
}

}  // namespace

// Only the blocks in the painted room are visited, and only their marks:
// a keystroke repaints one line, however many marks the text holds.
void NoteEdit::paintEvent(QPaintEvent* event) {
    QPlainTextEdit::paintEvent(event);
    if (markCursors.isEmpty()) {
        return;
    }
    QPainter painter(viewport());
    QPen dotted(palette().color(QPalette::Link));
    dotted.setStyle(Qt::DotLine);
    painter.setPen(dotted);
    const qreal below = fontMetrics().underlinePos();
    const QRect room = event->rect();
    // The marks run in document order, as the runs they mark.
    auto mark = markCursors.cbegin();
    for (QTextBlock block = firstVisibleBlock(); block.isValid(); block = block.next()) {
        const QRectF place = blockBoundingGeometry(block).translated(contentOffset());
        if (place.top() > room.bottom()) {
            break;
        }
        if (place.bottom() < room.top() || !block.isVisible()) {
            continue;
        }
        const int start = block.position();
        const int end = start + block.length();
        mark = std::lower_bound(
            mark, markCursors.cend(), start,
            [](const QTextCursor& run, int position) { return run.selectionEnd() <= position; });
        for (auto run = mark; run != markCursors.cend() && run->selectionStart() < end; ++run) {
            if (run->hasSelection()) {
                drawMark(painter, *run, block, place, below);
            }
        }
    }
}
