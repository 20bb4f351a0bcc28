// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QWidget>
#include <functional>

class StatusLabel;
class QPushButton;

// The line below the text area: a note of two lines at most and, beside it,
// the one offer the note makes, if any. It is as high as two lines of the
// note's font, whatever it shows; a note too long for it is cut at a word
// with "…" and can be read whole in its tooltip and by a screen reader.
class StatusLine : public QWidget {
    Q_OBJECT

  public:
    explicit StatusLine(QWidget* parent = nullptr);

    // Shows text and, where offerCaption is not empty, a button with that
    // caption (mnemonic included) that runs onOffer. A screen reader reads
    // the note when asked for the status bar, but does not speak it by
    // itself: the live line changes with every keystroke.
    void setMessage(const QString& text, const QString& offerCaption = {},
                    std::function<void()> onOffer = {});
    // The whole note, however much of it fits.
    const QString& message() const;

    // Has a screen reader speak the note as soon as the window has the
    // keyboard back: call it after a command has set its note. Calls made
    // before the window next handles its events speak the note once, as it
    // then stands, offer included. Taking the offer announces the note that
    // follows by itself.
    void announce();

  protected:
    bool event(QEvent* event) override;

  private:
    void announceIfActive();

    StatusLabel* label = nullptr;
    QPushButton* offerButton = nullptr;
    std::function<void()> offerAction;
    bool announcementDue = false;
};
