// SPDX-License-Identifier: MIT
#include "status_words.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <utility>

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

// Where the word that goes on at from ends: at a space, or at the text's end.
qsizetype wordEnd(const QString& text, qsizetype from) {
    const qsizetype space = text.indexOf(' ', from);
    return space < 0 ? text.size() : space;
}

// More words than a note line ever shows: enough for every note of a session.
constexpr qsizetype kMostWords = 4000;
// Room for a line's words, enough for a wide window.
constexpr qsizetype kWordsPerLine = 32;

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
    wrappedWidth = -1;
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

bool StatusWords::wrap(const QString& note, int width, int lines) {
    if (rewriteOneWord(note, width, lines)) {
        return !changed.isEmpty();
    }
    wrappedNote = note;
    wrappedWidth = width;
    wrappedLines = lines;
    QList<Line> result;
    result.reserve(lines);
    qreal used = 0;
    bool cut = false;
    // The words of the note last wrapped, in order: most come back as they were.
    qsizetype beforeLine = 0;
    qsizetype beforeWord = 0;
    const auto nextBefore = [&]() -> Word* {
        while (beforeLine < wrapped.size() && beforeWord == wrapped[beforeLine].size()) {
            ++beforeLine;
            beforeWord = 0;
        }
        return beforeLine < wrapped.size() ? &wrapped[beforeLine][beforeWord++] : nullptr;
    };
    // Only the words that show are looked at: the note goes on for the
    // tooltip and a screen reader far beyond the two lines.
    for (qsizetype start = 0; start <= note.size();) {
        const qsizetype end = wordEnd(note, start);
        const QStringView text = QStringView(note).mid(start, end - start);
        start = end + 1;
        Word* before = nextBefore();
        // A word that stays takes its picture along: the old lines are only
        // compared by their words' texts and widths from here on.
        Word word = before != nullptr && before->text == text
                        ? Word{before->text, before->width, std::move(before->picture)}
                        : wordOf(text.toString());
        if (!result.isEmpty() && used + spaceWidth + word.width <= width) {
            used += spaceWidth + word.width;
            result.back() << std::move(word);
            continue;
        }
        if (result.size() == lines) {
            endWithEllipsis(result, width);
            cut = true;
            break;
        }
        used = word.width;
        result.append(Line());
        result.back().reserve(kWordsPerLine);
        result.back() << std::move(word);
    }
    if (!cut) {
        balanceLastLine(result, width);
    }
    wrappedCut = cut;
    changed = changedSpans(wrapped, result);
    const bool sameLines = result.size() == wrapped.size();
    wrapped = std::move(result);
    return !sameLines || !changed.isEmpty();
}

// A keystroke mostly changes one number of the note for another as wide,
// which leaves every line as it was but for that word: then the word is
// put in place of the old one, without wrapping the note again. Says
// whether that was so.
bool StatusWords::rewriteOneWord(const QString& note, int width, int lines) {
    if (wrapped.isEmpty() || width != wrappedWidth || lines != wrappedLines) {
        return false;
    }
    const QString& old = wrappedNote;
    const qsizetype shorter = std::min(old.size(), note.size());
    qsizetype prefix = 0;
    while (prefix < shorter && old[prefix] == note[prefix]) {
        ++prefix;
    }
    if (prefix == old.size() && prefix == note.size()) {
        changed.clear();
        wrappedNote = note;
        return true;
    }
    qsizetype suffix = 0;
    while (suffix < shorter - prefix &&
           old[old.size() - 1 - suffix] == note[note.size() - 1 - suffix]) {
        ++suffix;
    }
    const QStringView oldChange = QStringView(old).mid(prefix, old.size() - suffix - prefix);
    const QStringView newChange = QStringView(note).mid(prefix, note.size() - suffix - prefix);
    if (oldChange.contains(' ') || newChange.contains(' ')) {
        return false;
    }
    const qsizetype start = prefix == 0 ? 0 : note.lastIndexOf(' ', prefix - 1) + 1;
    const qsizetype index = QStringView(note).left(start).count(' ');
    // The last word shown carries the "…" of a cut note, and the words
    // after it decide where the cut falls.
    qsizetype line = 0;
    qsizetype word = index;
    while (line < wrapped.size() && word >= wrapped[line].size()) {
        word -= wrapped[line++].size();
    }
    const bool lastShown = line == wrapped.size() - 1 && word == wrapped[line].size() - 1;
    if (line == wrapped.size() || (wrappedCut && lastShown)) {
        return false;
    }
    const QString text = note.mid(start, wordEnd(note, note.size() - suffix) - start);
    Word& shown = wrapped[line][word];
    if (widthOf(text) != shown.width) {
        return false;
    }
    qreal from = 0;
    for (qsizetype before = 0; before < word; ++before) {
        from += wrapped[line][before].width + spaceWidth;
    }
    shown = wordOf(text);
    changed = {Change{line, from, from + shown.width}};
    wrappedNote = note;
    return true;
}

QStringList StatusWords::shownLines() const {
    QStringList shown;
    for (const Line& line : wrapped) {
        QStringList texts;
        for (const Word& word : line) {
            texts << word.text;
        }
        shown << texts.join(' ');
    }
    return shown;
}

// Each word that is new, gone or moved, from its start to its end, old or
// new, joined where they touch: a keystroke mostly changes one number, and a
// number of the same digits keeps the words after it where they were.
QList<StatusWords::Change> StatusWords::changedSpans(const QList<Line>& old,
                                                     const QList<Line>& fresh) const {
    QList<Change> changes;
    for (qsizetype line = 0; line < std::max(old.size(), fresh.size()); ++line) {
        const Line none;
        const Line& was = line < old.size() ? old[line] : none;
        const Line& is = line < fresh.size() ? fresh[line] : none;
        qreal wasX = 0;
        qreal isX = 0;
        for (qsizetype word = 0; word < std::max(was.size(), is.size()); ++word) {
            const Word* before = word < was.size() ? &was[word] : nullptr;
            const Word* after = word < is.size() ? &is[word] : nullptr;
            const bool same =
                before != nullptr && after != nullptr && wasX == isX && before->text == after->text;
            if (!same) {
                const qreal from =
                    std::min(before != nullptr ? wasX : isX, after != nullptr ? isX : wasX);
                const qreal to = std::max(before != nullptr ? wasX + before->width : 0,
                                          after != nullptr ? isX + after->width : 0);
                if (!changes.isEmpty() && changes.back().line == line &&
                    changes.back().to + spaceWidth >= from) {
                    changes.back().to = std::max(changes.back().to, to);
                } else {
                    changes << Change{line, from, to};
                }
            }
            wasX += before != nullptr ? before->width + spaceWidth : 0;
            isX += after != nullptr ? after->width + spaceWidth : 0;
        }
    }
    return changes;
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
