// SPDX-License-Identifier: MIT
#include <QApplication>

#include "form1.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("textcipher");
    // Lets the desktop match the window to its entry and icon.
    QApplication::setDesktopFileName(TEXTCIPHER_APP_ID);
    Form1 window;
    window.show();
    return QApplication::exec();
}
