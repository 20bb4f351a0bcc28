// SPDX-License-Identifier: MIT
#include "application_icon.h"

// The copy built into the program, the same picture as the one installed
// for the desktop's menus: asking the icon theme for it would cost the
// window's start several milliseconds to read the theme's folders.
QIcon applicationIcon() {
    QIcon icon;
    for (int size : {32, 48, 64, 128, 256}) {
        icon.addFile(QString(":/icons/" TEXTCIPHER_APP_ID "-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}
