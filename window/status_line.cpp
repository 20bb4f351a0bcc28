// SPDX-License-Identifier: MIT
#include "status_line.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QPushButton>

#include "status_label.h"

namespace {

constexpr int kMargin = 2;

}  // namespace

StatusLine::StatusLine(QWidget* parent) : QWidget(parent) {
    label = new StatusLabel(this);
    label->setObjectName("lblStatus");

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
            announce();
        }
    });

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, kMargin, 4, kMargin);
    layout->addWidget(label, 1);
    layout->addWidget(offerButton, 0, Qt::AlignVCenter);
    setFixedHeight(std::max(label->height(), offerButton->sizeHint().height()) + 2 * kMargin);
}

void StatusLine::setMessage(const QString& text, const QString& offerCaption,
                            std::function<void()> onOffer) {
    offerAction = std::move(onOffer);
    const bool offerChanged =
        offerButton->text() != offerCaption || offerButton->isHidden() != offerCaption.isEmpty();
    if (!offerChanged && text == label->message()) {
        return;
    }
    if (offerChanged) {
        offerButton->setText(offerCaption);
        offerButton->setVisible(!offerCaption.isEmpty());
        // The label's width changes with the button's.
        layout()->activate();
    }
    label->setMessage(text);
}

const QString& StatusLine::message() const {
    return label->message();
}

void StatusLine::announce() {
    if (announcementDue) {
        return;
    }
    announcementDue = true;
    QMetaObject::invokeMethod(this, &StatusLine::announceIfActive, Qt::QueuedConnection);
}

// After a message closes, the window gets the keyboard back a moment later,
// and a screen reader then speaks the text area that has the focus: the
// note waits for that, so that it is heard after it rather than cut off.
void StatusLine::announceIfActive() {
    if (announcementDue && isActiveWindow()) {
        announcementDue = false;
        label->announce();
    }
}

bool StatusLine::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && announcementDue) {
        QMetaObject::invokeMethod(this, &StatusLine::announceIfActive, Qt::QueuedConnection);
    }
    // The note's font sets its height, and the offer's font the button's:
    // either may change with the style, the platform theme or the user's
    // settings, after the window was made.
    if (event->type() == QEvent::LayoutRequest) {
        setFixedHeight(std::max(label->height(), offerButton->sizeHint().height()) + 2 * kMargin);
    }
    return QWidget::event(event);
}
