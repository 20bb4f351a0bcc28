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
    QList<const Word*> before;
    for (const Line& line : std::as_const(wrapped)) {
        for (const Word& word : line) {
            before << &word;
        }
    }
    QList<Line> result;
    qreal used = 0;
    bool cut = false;
    // Only the words that show are looked at: the note goes on for the
    // tooltip and a screen reader far beyond the two lines.
    qsizetype index = 0;
    for (qsizetype start = 0; start <= note.size(); ++index) {
        qsizetype end = note.indexOf(' ', start);
        end = end < 0 ? note.size() : end;
        const QStringView text = QStringView(note).mid(start, end - start);
        start = end + 1;
        const Word word = index < before.size() && before[index]->text == text
                              ? *before[index]
                              : wordOf(text.toString());
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
    changed = changedSpans(wrapped, result);
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

// Per line, from the first word that is new or moved to the end of the
// longer of the two lines: a keystroke mostly changes one number.
QList<StatusWords::Span> StatusWords::changedSpans(const QList<Line>& old,
                                                   const QList<Line>& fresh) const {
    QList<Span> spans;
    for (qsizetype line = 0; line < std::max(old.size(), fresh.size()); ++line) {
        const Line none;
        const Line& was = line < old.size() ? old[line] : none;
        const Line& is = line < fresh.size() ? fresh[line] : none;
        qreal x = 0;
        qsizetype same = 0;
        while (same < was.size() && same < is.size() && was[same].text == is[same].text) {
            x += is[same].width + spaceWidth;
            ++same;
        }
        const qreal to = std::max(lineWidth(was), lineWidth(is));
        spans << (same == was.size() && same == is.size() ? Span{0, 0} : Span{x, to});
    }
    return spans;
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

void StatusWords::draw(QPainter& painter, qsizetype line, int left, int top, const QRect& room) {
    qreal x = left;
    for (Word& word : wrapped[line]) {
        // A keystroke repaints a word or two: the rest are left alone.
        if (x <= room.right() + 1 && x + word.width + 2 >= room.left()) {
            if (word.picture.isNull()) {
                word.picture = picture(word.text);
            }
            painter.drawPixmap(QPointF(std::round(x), top), word.picture);
        }
        x += word.width + spaceWidth;
    }
}
