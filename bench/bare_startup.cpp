// SPDX-License-Identifier: MIT
// The bare window on its own, for timing the program's start against Qt's
// (scripts/measure-startup).
#include <QApplication>

#include "bare_window.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    BareWindow window;
    window.show();
    return QApplication::exec();
}
