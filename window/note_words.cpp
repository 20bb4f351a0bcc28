// SPDX-License-Identifier: MIT
#include "note_words.h"

#include <QFontMetrics>
#include <QPainter>
#include <cmath>

namespace {

const QString kEllipsis(QChar(0x2026));

// More words than a note line ever shows: enough for every note of a session.
constexpr qsizetype kMostWords = 4000;

}  // namespace

void NoteWords::setStyle(const QFont& newFont, const QColor& newColour, qreal newPixelRatio) {
    if (newFont == font && newColour == colour && newPixelRatio == pixelRatio && spaceWidth != 0) {
        return;
    }
    font = newFont;
    colour = newColour;
    pixelRatio = newPixelRatio;
    spaceWidth = QFontMetricsF(font).horizontalAdvance(' ');
    words.clear();
    widths.clear();
    pictures.clear();
}

namespace {

QStaticText& shapedIn(QHash<QString, QStaticText>& shapes, const QString& text, const QFont& font,
                      qsizetype most) {
    auto found = shapes.find(text);
    if (found == shapes.end()) {
        if (shapes.size() > most) {
            shapes.clear();
        }
        QStaticText shape(text);
        shape.setTextFormat(Qt::PlainText);
        shape.prepare(QTransform(), font);
        found = shapes.insert(text, shape);
    }
    return *found;
}

}  // namespace

QStaticText& NoteWords::shaped(const QString& word) {
    return shapedIn(words, word, font, kMostWords);
}

// The word's advance as a line's layout adds it up: a shaped text's size is
// rounded, and forty rounded words would leave a line pixels short.
qreal NoteWords::widthOf(const QString& word) {
    auto found = widths.constFind(word);
    if (found == widths.cend()) {
        if (widths.size() > kMostWords) {
            widths.clear();
        }
        found = widths.insert(word, QFontMetricsF(font).horizontalAdvance(word));
    }
    return *found;
}

qreal NoteWords::lineWidth(const QStringList& line) {
    qreal width = 0;
    for (const QString& word : line) {
        width += (width == 0 ? 0 : spaceWidth) + widthOf(word);
    }
    return width;
}

QList<QStringList> NoteWords::wrap(const QString& note, int width, int lines) {
    QList<QStringList> wrapped;
    qreal used = 0;
    const QStringList all = note.split(' ');
    for (qsizetype index = 0; index < all.size(); ++index) {
        const QString& word = all[index];
        const qreal wordWidth = widthOf(word);
        if (!wrapped.isEmpty() && used + spaceWidth + wordWidth <= width) {
            wrapped.back() << word;
            used += spaceWidth + wordWidth;
            continue;
        }
        if (wrapped.size() == lines) {
            // More than the lines hold: end the last with "…" where it fits.
            QStringList& last = wrapped.back();
            while (!last.isEmpty() && lineWidth(last) + widthOf(kEllipsis) > width) {
                last.removeLast();
            }
            if (last.isEmpty()) {
                wrapped.removeLast();
                if (wrapped.isEmpty()) {
                    wrapped.append(QStringList());
                }
            }
            wrapped.back() << kEllipsis;
            // The "…" joins the word before it.
            if (wrapped.back().size() > 1) {
                const QString withEllipsis = wrapped.back().takeLast();
                wrapped.back().back() += withEllipsis;
            }
            return wrapped;
        }
        wrapped.append({word});
        used = wordWidth;
    }
    return wrapped;
}

const QPixmap& NoteWords::picture(const QString& word) {
    auto found = pictures.find(word);
    if (found == pictures.end()) {
        if (pictures.size() > kMostWords) {
            pictures.clear();
        }
        const QFontMetricsF metrics(font);
        QPixmap drawn(QSizeF(widthOf(word) + 2, metrics.height() + 1).toSize() * pixelRatio);
        drawn.setDevicePixelRatio(pixelRatio);
        drawn.fill(Qt::transparent);
        QPainter painter(&drawn);
        painter.setPen(colour);
        painter.drawStaticText(QPointF(0, 0), shaped(word));
        found = pictures.insert(word, drawn);
    }
    return *found;
}

void NoteWords::draw(QPainter& painter, const QStringList& line, int left, int top) {
    qreal x = left;
    for (const QString& word : line) {
        painter.drawPixmap(QPointF(std::round(x), top), picture(word));
        x += widthOf(word) + spaceWidth;
    }
}
