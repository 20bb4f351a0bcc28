// SPDX-License-Identifier: MIT
#include "note_bar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr int kNoteLines = 2;

bool fits(const QLabel& label, const QString& text) {
    const QRect room(0, 0, label.contentsRect().width(), 1 << 20);
    const int height = label.fontMetrics().boundingRect(room, Qt::TextWordWrap, text).height();
    return height <= kNoteLines * label.fontMetrics().lineSpacing();
}

// The longest start of text, cut after a word, that fits with "…".
QString fitted(const QLabel& label, const QString& text) {
    if (label.contentsRect().width() <= 0 || fits(label, text)) {
        return text;
    }
    QString shown = text;
    while (!shown.isEmpty()) {
        const qsizetype space = shown.lastIndexOf(' ');
        shown.truncate(space < 0 ? 0 : space);
        if (fits(label, shown + QChar(0x2026))) {
            return shown + QChar(0x2026);
        }
    }
    return QString(QChar(0x2026));
}

}  // namespace

NoteBar::NoteBar(QWidget* parent) : QWidget(parent) {
    label = new QLabel(this);
    label->setObjectName("lblStatus");
    // A screen reader reads the whole note from the description, however
    // much of it the line shows.
    label->setAccessibleName(tr("Status"));
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // The label's text never decides the window's width.
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    label->setFixedHeight(kNoteLines * label->fontMetrics().lineSpacing());

    offerButton = new QPushButton(this);
    offerButton->setObjectName("cmdOffer");
    offerButton->setAccessibleDescription(tr("Takes the offer that the status line makes"));
    offerButton->setAutoDefault(false);
    offerButton->setFocusPolicy(Qt::TabFocus);
    offerButton->hide();
    connect(offerButton, &QPushButton::clicked, this, [this] {
        if (offerAction) {
            // The action usually replaces the note, and with it this very function.
            const std::function<void()> action = offerAction;
            action();
        }
    });

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(label, 1);
    layout->addWidget(offerButton, 0, Qt::AlignVCenter);
    setFixedHeight(std::max(label->height(), offerButton->sizeHint().height()) + 4);
}

void NoteBar::setNote(const QString& text, const QString& offerCaption,
                      std::function<void()> onOffer) {
    offerAction = std::move(onOffer);
    const bool offerChanged =
        offerButton->text() != offerCaption || offerButton->isHidden() != offerCaption.isEmpty();
    if (!offerChanged && text == fullText) {
        return;
    }
    fullText = text;
    if (offerChanged) {
        offerButton->setText(offerCaption);
        offerButton->setVisible(!offerCaption.isEmpty());
        // The label's width changes with the button's.
        layout()->activate();
    }
    label->setToolTip(text);
    label->setAccessibleDescription(text);
    fitNote();
}

void NoteBar::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fitNote();
}

void NoteBar::fitNote() {
    label->setText(fitted(*label, fullText));
}
