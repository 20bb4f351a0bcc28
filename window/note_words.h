// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QFont>
#include <QHash>
#include <QList>
#include <QPixmap>
#include <QStaticText>
#include <QString>
#include <QStringList>

class QPainter;

// The words of a note, each shaped once for a font and kept: the note
// below the text changes with every keystroke, but most of its words do
// not, and shaping text costs more than everything else a keystroke does.
class NoteWords {
  public:
    // The font, colour and pixel ratio the words are drawn in; a change
    // shapes them anew.
    void setStyle(const QFont& font, const QColor& colour, qreal pixelRatio);

    // The note wrapped at its words into at most `lines` lines of this width.
    // When it takes more, the last line ends after the last of its words that
    // leaves room for "…", and the "…" follows it.
    QList<QStringList> wrap(const QString& note, int width, int lines);

    // Draws a line of words from left, top, each from a picture of it that
    // is drawn once: a keystroke changes a word or two of the note.
    void draw(QPainter& painter, const QStringList& line, int left, int top);

    qreal lineWidth(const QStringList& line);

  private:
    QStaticText& shaped(const QString& word);
    qreal widthOf(const QString& word);

    QFont font;
    qreal spaceWidth = 0;
    const QPixmap& picture(const QString& word);

    QHash<QString, QStaticText> words;
    QHash<QString, qreal> widths;
    QHash<QString, QPixmap> pictures;
    QColor colour;
    qreal pixelRatio = 1;
};
