#include "failure_messages.h"

#include <QCoreApplication>

#include "cipher/limits.h"
#include "cipher/number_format.h"

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("Form1", text);
}

QString grouped(std::size_t value) {
    return QString::fromStdString(cipher::groupedNumber(value));
}

QString zeroGroupMessage(Command command, const cipher::ZeroGroupError& error) {
    if (command == Command::Encrypt) {
        return tr("This text cannot be encrypted: group %1 of its digits comes out as seven "
                  "zeros, which stands for no character. This happens by chance for some texts; "
                  "changing its length slightly, for instance with a space at the end, "
                  "usually lets it encrypt.")
            .arg(grouped(error.group()));
    }
    return tr("This text cannot be decrypted: group %1 of its digits comes out as seven zeros, "
              "which stands for no character. Either the text held a line break or another "
              "character outside the cipher's alphabet when it was encrypted, or it is not a "
              "text that Encrypt Text made.")
        .arg(grouped(error.group()));
}

QString tooLongMessage(Command command, const cipher::TextTooLongError& error) {
    return tr("This text has %1 characters, but %2 works on at most %3 at a time (a line break "
              "counts as two). Shorten it, or transform it in parts.")
        .arg(grouped(error.length()), commandCaption(command), grouped(cipher::kMaxTextLength));
}

}  // namespace

QString commandCaption(Command command) {
    return command == Command::Encrypt ? tr("Encrypt Text") : tr("Decrypt Text");
}

QString failureMessage(Command command, const cipher::CipherError& error) {
    QString message;
    if (const auto* zeroGroup = dynamic_cast<const cipher::ZeroGroupError*>(&error)) {
        message = zeroGroupMessage(command, *zeroGroup);
    } else if (const auto* tooLong = dynamic_cast<const cipher::TextTooLongError*>(&error)) {
        message = tooLongMessage(command, *tooLong);
    } else {
        message = QString::fromUtf8(error.what());
    }
    return message + "\n\n" + tr("The text has not been changed.");
}
