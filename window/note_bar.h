// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QWidget>
#include <functional>

class QLabel;
class QPushButton;

// The line below the text area: a note of two lines at most and, beside it,
// the one offer the note makes, if any. It keeps one height whatever it
// shows; a note too long for it is cut at a word with "…" and can be read
// whole in its tooltip and its accessible description.
class NoteBar : public QWidget {
    Q_OBJECT

  public:
    explicit NoteBar(QWidget* parent = nullptr);

    // Shows text and, where offerCaption is not empty, a button with that
    // caption (mnemonic included) that runs onOffer.
    void setNote(const QString& text, const QString& offerCaption = {},
                 std::function<void()> onOffer = {});
    // The whole note, however much of it fits.
    const QString& note() const { return fullText; }

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void fitNote();

    QLabel* label = nullptr;
    QPushButton* offerButton = nullptr;
    QString fullText;
    std::function<void()> offerAction;
};
