// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QWidget>
#include <functional>

class StatusLabel;
class QPushButton;

// What the status line's one button offers: its caption (mnemonic
// included), what it will change, read in its tooltip and by a screen
// reader, and what it does.
struct StatusOffer {
    QString caption;
    QString description;
    std::function<void()> take;
};

// The line below the text area: a message of two lines at most and, beside
// it, the one offer the message makes, if any. It is as high as two lines of
// the message's font, whatever it shows; a message too long for it is cut
// at a word with "…" and can be read whole in its tooltip and by a screen
// reader.
class StatusLine : public QWidget {
    Q_OBJECT

  public:
    explicit StatusLine(QWidget* parent = nullptr);

    // Shows text and, where the offer has a caption, a button that takes
    // it. A screen reader reads the message when asked for the status bar,
    // but does not speak it by itself: the live line changes with every
    // keystroke.
    void setMessage(const QString& text, StatusOffer offer = {});
    // The whole message, however much of it fits.
    const QString& message() const;

    // Has a screen reader speak the message, now or, after a question, as
    // soon as the window is active again: call it after a command has set
    // its message, before it changes the text, so that the message is heard
    // before anything of the new text. Taking the offer announces the
    // message that follows, unless the offer's action announced one.
    void announce();

  protected:
    bool event(QEvent* event) override;

  private:
    StatusLabel* label = nullptr;
    QPushButton* offerButton = nullptr;
    std::function<void()> offerAction;
    // Set by announce(), so that an offer's message is announced once.
    bool announced = false;
    // A message to announce as soon as the window is active again.
    bool announcementDue = false;
};
