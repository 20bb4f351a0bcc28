// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QFont>
#include <QHash>
#include <QList>
#include <QPixmap>
#include <QRect>
#include <QStaticText>
#include <QString>
#include <QStringList>
#include <utility>

class QPainter;

// The words of a note, each shaped once for a font and kept: the note
// below the text changes with every keystroke, but most of its words do
// not, and shaping text costs more than everything else a keystroke does.
class StatusWords {
  public:
    // The font, colour and pixel ratio the words are drawn in; a change
    // shapes them anew, and the note is to be wrapped again. Says whether
    // they changed.
    bool setStyle(const QFont& font, const QColor& colour, qreal pixelRatio);

    // Wraps the note at its words into at most `lines` lines of this width,
    // and keeps them to draw; says whether what shows changed. A lone word on the
    // last line takes the word before it along. When the note takes more,
    // the last line ends after the last of its words that leaves room for
    // "…", and the "…" follows it, in place of a full stop or comma.
    bool wrap(const QString& note, int width, int lines);
    // The lines of the last wrap, as they show.
    QStringList shownLines() const;

    // Draws the words of kept line `line`, from left, top, that reach into
    // room, each from a picture of it that is drawn once: a keystroke
    // changes a word or two of the note.
    void draw(QPainter& painter, qsizetype line, int left, int top, const QRect& room);
    qsizetype lineCount() const { return wrapped.size(); }

    // Where the last wrap changed what a line shows, from the line's start:
    // the words that are new, gone or moved.
    struct Change {
        qsizetype line = 0;
        qreal from = 0;
        qreal to = 0;
    };
    const QList<Change>& changedSince() const { return changed; }

  private:
    struct Word {
        QString text;
        qreal width = 0;
        QPixmap picture;
    };
    using Line = QList<Word>;

    bool rewriteOneWord(const QString& note, int width, int lines);
    Word wordOf(const QString& text);
    qreal lineWidth(const Line& line) const;
    void endWithEllipsis(QList<Line>& lines, int width);
    void balanceLastLine(QList<Line>& lines, int width);
    QList<Change> changedSpans(const QList<Line>& old, const QList<Line>& fresh) const;
    QStaticText& shaped(const QString& word);
    qreal widthOf(const QString& word);
    const QPixmap& picture(const QString& word);

    QFont font;
    qreal spaceWidth = 0;
    QColor colour;
    qreal pixelRatio = 1;
    QHash<QString, QStaticText> words;
    QHash<QString, qreal> widths;
    QHash<QString, QPixmap> pictures;
    // The lines of the note last wrapped: the next note mostly has the same
    // words in the same places, which are then taken from here as they are.
    QList<Line> wrapped;
    QList<Change> changed;
    // What was wrapped last, and how.
    QString wrappedNote;
    int wrappedWidth = -1;
    int wrappedLines = 0;
    bool wrappedCut = false;
};
