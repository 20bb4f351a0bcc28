#include "status_notes.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("Form1", text);
}

// A character as a user can recognise it: itself in quotes, or its code where
// it would not show (a no-break space, a control character).
QString shown(char32_t character) {
    if (QChar::isPrint(character) && !QChar::isSpace(character)) {
        return QString("\u201C%1\u201D").arg(QString::fromUcs4(&character, 1));
    }
    return QString("U+%1").arg(static_cast<uint>(character), 4, 16, QChar('0')).toUpper();
}

QString kinds(const cipher::LostCharacters& lost) {
    QStringList kinds;
    if (lost.lineBreakCharacters != 0) {
        kinds << tr("line break");
    }
    if (lost.tabs != 0) {
        kinds << tr("tab");
    }
    for (char32_t character : lost.others) {
        kinds << shown(character);
    }
    if (lost.others.size() == cipher::LostCharacters::kListed) {
        kinds << QString("\u2026");
    }
    return kinds.join(", ");
}

}  // namespace

QString lostCharactersNote(const cipher::LostCharacters& lost) {
    const QString text =
        lost.count == 1
            ? tr("1 character is not in the alphabet (%2): Decrypt Text cannot bring it back.")
            : tr("%1 characters are not in the alphabet (%2): Decrypt Text cannot bring them back.")
                  .arg(lost.count);
    return text.arg(kinds(lost)) + " " + tr("Ctrl+Z restores the text.");
}

QString recoveredNote(std::size_t marked) {
    const QString count = marked == 1 ? tr("1 character") : tr("%1 characters").arg(marked);
    return tr("%1 could not come back and %2 marked %3. Ctrl+Z restores the cipher text.")
        .arg(count, marked == 1 ? tr("is") : tr("are"),
             QString(QChar(QChar::ReplacementCharacter)));
}
