// SPDX-License-Identifier: MIT
#include "window_driver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <QWindow>
#include <QtTest>

#include "status_line.h"
#include "translations.h"

namespace {

// As the program starts it: the message catalogue before the window.
std::unique_ptr<Form1> startedWindow() {
    installTranslations(*QCoreApplication::instance());
    return std::make_unique<Form1>();
}

}  // namespace

WindowDriver::WindowDriver() : form(startedWindow()) {
    form->show();
    form->activateWindow();
    if (!QTest::qWaitForWindowActive(form.get())) {
        qFatal("the window did not become active");
    }
    txtnote = form->findChild<QPlainTextEdit*>("txtnote");
    if (txtnote == nullptr) {
        qFatal("the window has no txtnote");
    }
    txtnote->setFocus();
}

void WindowDriver::press(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    // Without a window manager nothing hands the keyboard back to the window
    // after a message closes; a user's click would.
    if (!form->isActiveWindow()) {
        form->activateWindow();
        if (!QTest::qWaitForWindowActive(form.get())) {
            qWarning("the window did not become active again");
        }
    }
    // Only now, with the window active again, may the answer wait for the
    // message: activating the window runs the event loop.
    if (pendingAnswer) {
        watchForMessage(pendingAnswer->first, pendingAnswer->second);
        pendingAnswer.reset();
    }
    QTest::keyClick(txtnote, key, modifiers);
}

void WindowDriver::paste(const QString& text) {
    QApplication::clipboard()->setText(text);
    press(Qt::Key_A);
    press(Qt::Key_V);
}

void WindowDriver::answerNextMessage(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    *message = SeenMessage{};
    pendingAnswer = {key, modifiers};
}

void WindowDriver::watchForMessage(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QTimer::singleShot(0, form.get(), [seen = message, key, modifiers] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return;
        }
        seen->shown = true;
        seen->text = box->text();
        for (QAbstractButton* button : box->buttons()) {
            seen->buttons << button->text();
            seen->roles << box->buttonRole(button);
            seen->descriptions << button->accessibleDescription();
        }
        seen->defaultButton = box->defaultButton() ? box->defaultButton()->text() : QString();
        seen->escapeButton = box->escapeButton() ? box->escapeButton()->text() : QString();
        // Shortcuts such as Alt+A reach only the active window, and only
        // through the window system's path, as a real key press takes.
        box->activateWindow();
        if (QTest::qWaitForWindowActive(box)) {
            QTest::keyClick(box->windowHandle(), key, modifiers);
        }
        // A mnemonic clicks its button after a short animation. A key that did
        // nothing must fail the test, not leave it waiting.
        if (!QTest::qWaitFor([box] { return !box->isVisible(); }, 2000)) {
            seen->text += " [the key did not close the message]";
            box->done(QMessageBox::Cancel);
        }
    });
}

QString WindowDriver::rawText() const {
    return txtnote->document()->toRawText();
}

QString WindowDriver::status() const {
    return form->findChild<StatusLine*>()->message();
}

QPushButton* WindowDriver::offer() const {
    auto* button = form->findChild<QPushButton*>("cmdOffer");
    return button != nullptr && button->isVisible() ? button : nullptr;
}

void WindowDriver::takeOffer(Qt::Key mnemonic) {
    QPushButton* button = offer();
    const QString before = status();
    press(mnemonic, Qt::AltModifier);
    // A mnemonic clicks its button after a short animation.
    if (button != nullptr) {
        if (!QTest::qWaitFor([this, before] { return status() != before; }, 2000)) {
            qWarning("the offer did not change the note");
        }
    }
}

void WindowDriver::settle() {
    // Layout requests and resizes are posted events; two rounds let a
    // resize that a layout change causes arrive as well.
    for (int round = 0; round < 2; ++round) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}
