// SPDX-License-Identifier: MIT
#include "command.h"

#include <QCoreApplication>

namespace {

struct CommandText {
    Q_DECLARE_TR_FUNCTIONS(Command)
};

}  // namespace

QString menuCaption(Command command) {
    switch (command) {
        case Command::Encrypt:
            return CommandText::tr("&Encrypt Text");
        case Command::Decrypt:
            return CommandText::tr("&Decrypt Text");
    }
    Q_UNREACHABLE();
}

QString commandCaption(Command command) {
    return menuCaption(command).remove(QChar('&'));
}
