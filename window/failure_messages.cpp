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

QString spacesCount(std::size_t spaces) {
    return spaces == 1 ? tr("1 space") : tr("%1 spaces").arg(grouped(spaces));
}

}  // namespace

QString commandCaption(Command command) {
    return command == Command::Encrypt ? tr("Encrypt Text") : tr("Decrypt Text");
}

QString failureCause(Command command, const cipher::CipherError& error) {
    if (const auto* zeroGroup = dynamic_cast<const cipher::ZeroGroupError*>(&error)) {
        return zeroGroupMessage(command, *zeroGroup);
    }
    if (const auto* tooLong = dynamic_cast<const cipher::TextTooLongError*>(&error)) {
        return tooLongMessage(command, *tooLong);
    }
    return QString::fromUtf8(error.what());
}

QString failureMessage(Command command, const cipher::CipherError& error) {
    return failureCause(command, error) + "\n\n" + tr("The text has not been changed.");
}

QString noPaddingMessage(const cipher::ZeroGroupError& error) {
    return failureCause(Command::Encrypt, error) + "\n\n" +
           tr("Here no number of spaces within the limit of %1 characters helps; encrypt the "
              "text in shorter pieces instead. The text has not been changed.")
               .arg(grouped(cipher::kMaxTextLength));
}

QString paddingOffer(const cipher::ZeroGroupError& error, std::size_t spaces) {
    return failureCause(Command::Encrypt, error) + "\n\n" +
           (spaces == 1
                ? tr("With 1 space at the end it encrypts, and Decrypt Text then gives it back "
                     "with that space.")
                : tr("With %1 spaces at the end it encrypts, and Decrypt Text then gives it back "
                     "with those spaces.")
                      .arg(grouped(spaces)));
}

QString recoveryOffer(const cipher::ZeroGroupError& error) {
    return failureCause(Command::Decrypt, error) + "\n\n" +
           tr("Decrypt Anyway decodes everything else and puts %1 where a character cannot "
              "come back.")
               .arg(QChar(QChar::ReplacementCharacter));
}

QString paddingButtonCaption(std::size_t spaces) {
    return tr("&Add %1 and encrypt").arg(spacesCount(spaces));
}

QString recoveryButtonCaption() {
    return tr("Decrypt &Anyway");
}

QString keepButtonCaption() {
    return tr("Keep the Text");
}
