// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>
#include <QString>
#include <QStringList>

#include "status_words.h"

// The note itself: as many lines of the label's own font as the note bar
// has room for, cut after a word with "…" when the note is longer. Its
// height follows its font, whichever the style, the platform theme or the
// user sets, and the note is laid out anew when that font changes.
//
// A screen reader finds it as a notification in the status bar whose name
// is the whole note, however much of it shows: it reads it when asked for
// the status bar, and speaks it when announce() is called.
class StatusLabel : public QLabel {
    Q_OBJECT

  public:
    static constexpr int kLines = 2;

    explicit StatusLabel(QWidget* parent = nullptr);

    void setMessage(const QString& text);
    const QString& message() const { return fullText; }
    // What shows of the note: all of it, or its start cut after a word and "…".
    QString shown() const { return shownLines().join(' '); }
    // The same, line by line.
    QStringList shownLines() const { return words.shownLines(); }

    // The height of kLines lines of text in the label's font, as the label
    // lays them out when it wraps its text.
    int linesHeight() const { return height(); }

    // Has a screen reader speak the whole note now.
    void announce();

    // Its height is fixed and its width is the note bar's to give, so the
    // layout need not measure the note: that would lay out the whole of it
    // at every keystroke.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return false; }

  protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void fitNote();
    void updateChangedWords();

    QString fullText;
    StatusWords words;
};
