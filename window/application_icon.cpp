// SPDX-License-Identifier: MIT
#include "application_icon.h"

namespace {

QIcon builtInIcon() {
    QIcon icon;
    for (int size : {32, 48, 64, 128, 256}) {
        icon.addFile(QString(":/icons/" TEXTCIPHER_APP_ID "-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

}  // namespace

QIcon applicationIcon() {
    return QIcon::fromTheme(TEXTCIPHER_APP_ID, builtInIcon());
}
