// SPDX-License-Identifier: MIT
#include "note_edit.h"

#include <QMimeData>
#include <QPaintEvent>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>

#include "note_text.h"

namespace {

// The dotted line under one run, on each of the block's lines it covers.
void drawMark(QPainter& painter, std::pair<int, int> run, const QTextBlock& block,
              const QRectF& place, qreal below) {
    const QTextLayout* layout = block.layout();
    const int to = std::min(run.second, block.length() - 1);
    for (int index = 0; index < layout->lineCount(); ++index) {
        const QTextLine line = layout->lineAt(index);
        const int lineFrom = std::max(run.first, line.textStart());
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

NoteEdit::NoteEdit(QWidget* parent) : QPlainTextEdit(parent) {}

void NoteEdit::setMarked(std::function<bool(char32_t)> marks) {
    marked = std::move(marks);
}

QList<std::pair<int, int>> NoteEdit::markedRuns() const {
    return runsOf(*document(), marked);
}

QPointF NoteEdit::blockPlace(const QTextBlock& block) const {
    return blockBoundingGeometry(block).translated(contentOffset()).topLeft();
}

QMimeData* NoteEdit::createMimeDataFromSelection() const {
    QString text = textCursor().selectedText();
    text.replace(QChar::ParagraphSeparator, QChar('\n'));
    auto* copied = new QMimeData;
    copied->setText(text);
    return copied;
}

// Only the blocks in the painted room are visited: a keystroke repaints one
// line, however long the text.
void NoteEdit::paintEvent(QPaintEvent* event) {
    QPlainTextEdit::paintEvent(event);
    QPainter painter(viewport());
    QPen dotted(palette().color(QPalette::Link));
    dotted.setStyle(Qt::DotLine);
    painter.setPen(dotted);
    const qreal below = fontMetrics().underlinePos();
    const QRect room = event->rect();
    // Each block's place follows from the one above it, as the text area
    // paints them: blockBoundingGeometry() would count down from the top of
    // the view for every block.
    QPointF offset = contentOffset();
    for (QTextBlock block = firstVisibleBlock(); block.isValid(); block = block.next()) {
        const QRectF place = blockBoundingRect(block).translated(offset);
        offset.ry() += place.height();
        if (place.top() > room.bottom()) {
            break;
        }
        if (place.bottom() < room.top() || !block.isVisible()) {
            continue;
        }
        for (const std::pair<int, int>& run : runsWithin(block.text(), marked)) {
            drawMark(painter, run, block, place, below);
        }
    }
}
