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
    // The document positions in view: asking for the place of a block out of
    // view would have Qt lay it out.
    const QTextBlock firstShown = firstVisibleBlock();
    int shownEnd = firstShown.position();
    for (QTextBlock block = firstShown; block.isValid(); block = block.next()) {
        const QRectF place = blockBoundingGeometry(block).translated(contentOffset());
        if (place.top() > room.bottom()) {
            break;
        }
        shownEnd = block.position() + block.length();
    }
    for (const QTextCursor& mark : markCursors) {
        if (!mark.hasSelection() || mark.selectionEnd() <= firstShown.position()) {
            continue;
        }
        if (mark.selectionStart() >= shownEnd) {
            break;
        }
        const QTextBlock block = document()->findBlock(mark.selectionStart());
        const QRectF place = blockBoundingGeometry(block).translated(contentOffset());
        if (place.bottom() < room.top() || place.top() > room.bottom() || !block.isVisible()) {
            continue;
        }
        const QTextLayout* layout = block.layout();
        const int from = mark.selectionStart() - block.position();
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
}
