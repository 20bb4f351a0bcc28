// SPDX-License-Identifier: MIT
#pragma once

#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "form1.h"
#include "note_text.h"

// What the last modal message said and offered: its buttons in the order
// they were added, each with its role and what a screen reader reads after
// its name, and which button Return and Escape press.
struct SeenMessage {
    bool shown = false;
    QString text;
    QStringList buttons;
    QList<QMessageBox::ButtonRole> roles;
    QStringList descriptions;
    QString defaultButton;
    QString escapeButton;
};

// Drives one Form1 as a user does: key presses on its text area, keys
// pressed in its messages.
class WindowDriver {
  public:
    WindowDriver();

    Form1& window() { return *form; }
    QPlainTextEdit* note() { return txtnote; }

    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier);
    // Replaces the text the way a user does: select all, paste.
    void paste(const QString& text);
    // A modal message that the next press opens is read and then answered
    // with this key.
    void answerNextMessage(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    const SeenMessage& lastMessage() const { return *message; }

    // The content as the document holds it: a line end is a paragraph separator.
    QString rawText() const;
    // The whole note below the text, and the offer beside it (null when hidden).
    QString status() const;
    QPushButton* offer() const;
    // Presses Alt and the mnemonic and waits for the note to change.
    void takeOffer(Qt::Key mnemonic);
    // What the user reads of the note: text, offer and whole window settled.
    void settle();

  private:
    // Reads and answers a message that opens from now on, once.
    void watchForMessage(Qt::Key key, Qt::KeyboardModifiers modifiers);

    std::unique_ptr<Form1> form;
    std::optional<std::pair<Qt::Key, Qt::KeyboardModifiers>> pendingAnswer;
    QPlainTextEdit* txtnote = nullptr;
    std::shared_ptr<SeenMessage> message = std::make_shared<SeenMessage>();
};
