// SPDX-License-Identifier: MIT
#include <QApplication>

#include "form1.h"
#include "translations.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("textcipher");
    // Lets the desktop match the window to its entry and icon.
    QApplication::setDesktopFileName(TEXTCIPHER_APP_ID);
    installTranslations(app);
    Form1 window;
    window.show();
    return QApplication::exec();
}
