// SPDX-License-Identifier: MIT
#include "status_words.h"

#include <QFontMetrics>
#include <QPainter>
#include <cmath>

namespace {

const QString kEllipsis(QChar(0x2026));

// "is." cut before the next word ends in "is…": a full stop or comma before
// the "…" would read as the end of a sentence that goes on.
QString withoutClosingPunctuation(QString word) {
    while (word.size() > 1 && QStringView(u".,;:").contains(word.back())) {
        word.chop(1);
    }
    return word;
}

// More words than a note line ever shows: enough for every note of a session.
constexpr qsizetype kMostWords = 4000;

}  // namespace

bool StatusWords::setStyle(const QFont& newFont, const QColor& newColour, qreal newPixelRatio) {
    if (newFont == font && newColour == colour && newPixelRatio == pixelRatio && spaceWidth != 0) {
        return false;
    }
    font = newFont;
    colour = newColour;
    pixelRatio = newPixelRatio;
    spaceWidth = QFontMetricsF(font).horizontalAdvance(' ');
    words.clear();
    widths.clear();
    pictures.clear();
    wrapped.clear();
    return true;
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

QStaticText& StatusWords::shaped(const QString& word) {
    return shapedIn(words, word, font, kMostWords);
}

// The word's advance as a line's layout adds it up: a shaped text's size is
// rounded, and forty rounded words would leave a line pixels short.
qreal StatusWords::widthOf(const QString& word) {
    auto found = widths.constFind(word);
    if (found == widths.cend()) {
        if (widths.size() > kMostWords) {
            widths.clear();
        }
        found = widths.insert(word, QFontMetricsF(font).horizontalAdvance(word));
    }
    return *found;
}

StatusWords::Word StatusWords::wordOf(const QString& text) {
    return {text, widthOf(text), {}};
}

qreal StatusWords::lineWidth(const Line& line) const {
    qreal width = 0;
    for (const Word& word : line) {
        width += (width == 0 ? 0 : spaceWidth) + word.width;
    }
    return width;
}

QStringList StatusWords::wrap(const QString& note, int width, int lines) {
    Line before;
    for (const Line& line : std::as_const(wrapped)) {
        before += line;
    }
    QList<Line> result;
    qreal used = 0;
    bool cut = false;
    const QStringList all = note.split(' ');
    for (qsizetype index = 0; index < all.size(); ++index) {
        const Word word = index < before.size() && before[index].text == all[index]
                              ? before[index]
                              : wordOf(all[index]);
        if (!result.isEmpty() && used + spaceWidth + word.width <= width) {
            result.back() << word;
            used += spaceWidth + word.width;
            continue;
        }
        if (result.size() == lines) {
            endWithEllipsis(result, width);
            cut = true;
            break;
        }
        result.append({word});
        used = word.width;
    }
    if (!cut) {
        balanceLastLine(result, width);
    }
    wrapped = result;
    QStringList shown;
    for (const Line& line : std::as_const(wrapped)) {
        QStringList texts;
        for (const Word& word : line) {
            texts << word.text;
        }
        shown << texts.join(' ');
    }
    return shown;
}

// More than the lines hold: the last ends with "…" where it fits, and the
// "…" joins the word before it.
void StatusWords::endWithEllipsis(QList<Line>& lines, int width) {
    Line& last = lines.back();
    const qreal ellipsis = widthOf(kEllipsis);
    while (!last.isEmpty() && lineWidth(last) + ellipsis > width) {
        last.removeLast();
    }
    if (last.isEmpty()) {
        lines.removeLast();
        if (lines.isEmpty()) {
            lines.append(Line());
        }
    }
    Line& end = lines.back();
    if (end.isEmpty()) {
        end << wordOf(kEllipsis);
    } else {
        end.back() = wordOf(withoutClosingPunctuation(end.back().text) + kEllipsis);
    }
}

// A lone word on the last line takes the word before it along, where the
// line above keeps two words or more and the two fit.
void StatusWords::balanceLastLine(QList<Line>& lines, int width) {
    if (lines.size() < 2 || lines.back().size() != 1 || lines[lines.size() - 2].size() < 3) {
        return;
    }
    Line& above = lines[lines.size() - 2];
    if (above.back().width + spaceWidth + lines.back().front().width <= width) {
        lines.back().prepend(above.takeLast());
    }
}

const QPixmap& StatusWords::picture(const QString& word) {
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

void StatusWords::draw(QPainter& painter, qsizetype line, int left, int top) {
    qreal x = left;
    for (Word& word : wrapped[line]) {
        if (word.picture.isNull()) {
            word.picture = picture(word.text);
        }
        painter.drawPixmap(QPointF(std::round(x), top), word.picture);
        x += word.width + spaceWidth;
    }
}
