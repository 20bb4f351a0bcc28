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
    offerButton->setAutoDefault(false);
    offerButton->setFocusPolicy(Qt::TabFocus);
    offerButton->hide();
    connect(offerButton, &QPushButton::clicked, this, [this] {
        if (offerAction) {
            // The action usually replaces the message, and with it this very function.
            const std::function<void()> action = offerAction;
            announced = false;
            action();
            if (!announced) {
                announce();
            }
        }
    });

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, kMargin, 4, kMargin);
    layout->addWidget(label, 1);
    layout->addWidget(offerButton, 0, Qt::AlignVCenter);
    setFixedHeight(std::max(label->height(), offerButton->sizeHint().height()) + 2 * kMargin);
}

void StatusLine::setMessage(const QString& text, StatusOffer offer) {
    offerAction = std::move(offer.take);
    const QString description = offer.description.isEmpty()
                                    ? tr("Takes the offer that the status line makes")
                                    : offer.description;
    offerButton->setToolTip(offer.description);
    offerButton->setAccessibleDescription(description);
    const bool offerChanged =
        offerButton->text() != offer.caption || offerButton->isHidden() != offer.caption.isEmpty();
    if (!offerChanged && text == label->message()) {
        return;
    }
    if (offerChanged) {
        offerButton->setText(offer.caption);
        offerButton->setVisible(!offer.caption.isEmpty());
        // The label's width changes with the button's.
        layout()->activate();
    }
    label->setMessage(text);
}

const QString& StatusLine::message() const {
    return label->message();
}

// Spoken at once where the window has the keyboard. After a question,
// the window gets it back a moment later, and a screen reader stops
// speaking when the question's window goes: the message waits for the
// window, and is spoken as it becomes active, before the screen reader
// hears which widget has the focus and reads the text there.
void StatusLine::announce() {
    announced = true;
    if (isActiveWindow()) {
        label->announce();
    } else {
        announcementDue = true;
    }
}

bool StatusLine::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && announcementDue) {
        announcementDue = false;
        label->announce();
    }
    // The message's font sets its height, and the offer's font the button's:
    // either may change with the style, the platform theme or the user's
    // settings, after the window was made.
    if (event->type() == QEvent::LayoutRequest) {
        setFixedHeight(std::max(label->height(), offerButton->sizeHint().height()) + 2 * kMargin);
    }
    return QWidget::event(event);
}
