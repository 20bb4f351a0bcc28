// SPDX-License-Identifier: MIT
#include "note_edit.h"

#include <QMimeData>
#include <QPaintEvent>
#include <QPainter>
#include <QTextBlockUserData>
#include <QTextLayout>
#include <algorithm>
#include <cstdlib>

namespace {

struct BlockMarks : QTextBlockUserData {
    explicit BlockMarks(NoteEdit::Runs marked) : runs(std::move(marked)) {}
    NoteEdit::Runs runs;
};

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

NoteEdit::Runs NoteEdit::marksOf(const QTextBlock& block) {
    const auto* marks = dynamic_cast<const BlockMarks*>(block.userData());
    return marks != nullptr ? marks->runs : Runs();
}

bool NoteEdit::setMarks(const QTextBlock& block, Runs runs) {
    if (marksOf(block) == runs) {
        return false;
    }
    QTextBlock changed = block;
    changed.setUserData(runs.isEmpty() ? nullptr : new BlockMarks(std::move(runs)));
    return true;
}

// The place of a block far out of view would have Qt lay out every block
// up to it: a change of many blocks repaints the whole view instead.
void NoteEdit::repaintMarks(const QTextBlock& first, const QTextBlock& last) {
    constexpr int kFewBlocks = 64;
    if (last.blockNumber() - first.blockNumber() > kFewBlocks ||
        std::abs(first.blockNumber() - firstVisibleBlock().blockNumber()) > kFewBlocks) {
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
    for (QTextBlock block = document()->firstBlock(); block.isValid(); block = block.next()) {
        for (const auto& [from, to] : marksOf(block)) {
            runs.append({block.position() + from, block.position() + to});
        }
    }
    return runs;
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

// Only the blocks in the painted room are visited, and only their marks:
// a keystroke repaints one line, however many marks the text holds.
void NoteEdit::paintEvent(QPaintEvent* event) {
    QPlainTextEdit::paintEvent(event);
    QPainter painter(viewport());
    QPen dotted(palette().color(QPalette::Link));
    dotted.setStyle(Qt::DotLine);
    painter.setPen(dotted);
    const qreal below = fontMetrics().underlinePos();
    const QRect room = event->rect();
    for (QTextBlock block = firstVisibleBlock(); block.isValid(); block = block.next()) {
        const QRectF place = blockBoundingGeometry(block).translated(contentOffset());
        if (place.top() > room.bottom()) {
            break;
        }
        if (place.bottom() < room.top() || !block.isVisible()) {
            continue;
        }
        for (const std::pair<int, int>& run : marksOf(block)) {
            drawMark(painter, run, block, place, below);
        }
    }
}
