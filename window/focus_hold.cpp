// SPDX-License-Identifier: MIT
#include "focus_hold.h"

#include <QAccessible>
#include <QApplication>
#include <QMenu>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace {

bool holding = false;
QPointer<QObject> heldFocus;
QAccessible::UpdateHandler passOn = nullptr;

void send(QAccessibleEvent* event);

void holdingHandler(QAccessibleEvent* event) {
    if (holding && event->type() == QAccessible::Focus) {
        heldFocus = event->object();
        return;
    }
    send(event);
}

// Through the handler that was there before, or Qt's own.
void send(QAccessibleEvent* event) {
    if (passOn != nullptr) {
        passOn(event);
        return;
    }
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(holdingHandler);
}

void release() {
    holding = false;
    QWidget* focused = QApplication::focusWidget();
    if (heldFocus != nullptr && focused != nullptr && QAccessible::isActive()) {
        QAccessibleEvent focus(focused, QAccessible::Focus);
        send(&focus);
    }
    heldFocus = nullptr;
}

}  // namespace

void holdFocusWhileClosing(QMenu& menu) {
    static const bool installed = [] {
        passOn = QAccessible::installUpdateHandler(holdingHandler);
        return true;
    }();
    Q_UNUSED(installed);
    QObject::connect(&menu, &QMenu::aboutToHide, &menu, [] {
        holding = true;
        QTimer::singleShot(0, [] { release(); });
    });
}
