// SPDX-License-Identifier: MIT
#include "messages.h"

#include <QStringList>

#include "character_names.h"
#include "cipher/limits.h"
#include "number_format.h"

namespace {

const QString kMark(QChar::ReplacementCharacter);

QString limit() {
    return groupedNumber(cipher::kMaxTextLength);
}

}  // namespace

QString Messages::counted(std::size_t count, const char* one, const char* many) {
    return count == 1 ? tr(one) : tr(many).arg(groupedNumber(count));
}

QString Messages::unchanged() {
    return tr("The text has not been changed.");
}

// "12 spaces and 2 other characters (a, 5)".
QString Messages::additions(const cipher::Padding& padding) {
    QStringList others;
    for (char32_t character : padding.characters) {
        const QString name = QString::fromUcs4(&character, 1);
        if (character != cipher::kPaddingCharacter && !others.contains(name)) {
            others << name;
        }
    }
    QString spaces = counted(padding.spaces(), QT_TR_NOOP("1 space"), QT_TR_NOOP("%1 spaces"));
    if (padding.others() == 0) {
        return spaces;
    }
    const QString listed = QString(" (%1)").arg(others.join(", "));
    if (padding.spaces() == 0) {
        return counted(padding.others(), QT_TR_NOOP("1 character"), QT_TR_NOOP("%1 characters")) +
               listed;
    }
    return tr("%1 and %2")
               .arg(spaces, counted(padding.others(), QT_TR_NOOP("1 other character"),
                                    QT_TR_NOOP("%1 other characters"))) +
           listed;
}

QString Messages::tooLong(Command command, const cipher::TextLength& length) {
    QString message =
        tr("This text is too long for %1: the cipher takes at most %2 characters at a time, and "
           "this text has %3, %4 too many.")
            .arg(commandCaption(command), limit(), groupedNumber(length.characters),
                 groupedNumber(length.excess()));
    if (length.lineBreaks != 0) {
        message = tr("This text is too long for %1: the cipher takes at most %2 characters at a "
                     "time, and counts %3 in this text, %4 too many. You see %5 characters, but "
                     "each line break reaches the cipher as two, a carriage return and a line "
                     "feed, and this text has %6.")
                      .arg(commandCaption(command), limit(), groupedNumber(length.characters),
                           groupedNumber(length.excess()), groupedNumber(length.asTyped()),
                           counted(length.lineBreaks, QT_TR_NOOP("1 line break"),
                                   QT_TR_NOOP("%1 line breaks")));
    }
    return message + "\n\n" +
           counted(length.excess(),
                   QT_TR_NOOP("Shorten it by 1 character, or transform it in pieces."),
                   QT_TR_NOOP("Shorten it by %1 characters (a line break counts as two), or "
                              "transform it in pieces.")) +
           ' ' + unchanged();
}

namespace {

QString byChance() {
    return Messages::tr(
        "Encrypt Text cannot take this text as it stands: its digits happen to fall into a "
        "pattern that the cipher has no character for. This happens by chance to some texts.");
}

}  // namespace

QString Messages::paddingOffer(const cipher::Padding& padding, const cipher::LostCharacters& lost) {
    const QString comesBack =
        lost.any()
            ? counted(lost.count,
                      QT_TR_NOOP(
                          "Decrypt Text then gives the text back with what was added at the end, "
                          "except 1 character that is not in the cipher's alphabet: %2."),
                      QT_TR_NOOP(
                          "Decrypt Text then gives the text back with what was added at the end, "
                          "except %1 characters that are not in the cipher's alphabet: "
                          "%2."))
                  .arg(lostCharacterList(lost))
            : tr("Decrypt Text then gives the text back whole, with what was added at the end.");
    return byChance() + "\n\n" +
           tr("Adding %1 at the end lets it encrypt.").arg(additions(padding)) + ' ' + comesBack;
}

QString Messages::noPadding() {
    return byChance() + "\n\n" +
           tr("Characters added at the end cannot help here: the text leaves too little room "
              "within the cipher's limit of %1 characters. Encrypt it in two shorter pieces "
              "instead.")
               .arg(limit()) +
           ' ' + unchanged();
}

QString Messages::decryptProblem(const cipher::RecoveredText& recovered,
                                 const cipher::LostCharacters& strays, bool cleanWithoutStrays) {
    const QString anyway =
        tr("Decrypt Anyway decrypts everything else and puts %1 where a character cannot come "
           "back.")
            .arg(kMark);
    if (strays.outsideAlphabet() == 0) {
        return counted(recovered.marks, QT_TR_NOOP("1 character of this note cannot come back."),
                       QT_TR_NOOP("%1 characters of this note cannot come back.")) +
               ' ' +
               tr("Either the note held a character outside the cipher's alphabet when it was "
                  "encrypted (a tab, for instance, or a letter such as %1), or this is not a "
                  "text that Encrypt Text made.")
                   .arg(QString::fromUtf8("É")) +
               "\n\n" + anyway;
    }
    const QString found =
        counted(strays.outsideAlphabet(),
                QT_TR_NOOP("This text holds 1 character that no cipher text has: %2."),
                QT_TR_NOOP("This text holds %1 characters that no cipher text has: %2."))
            .arg(strayCharacterList(strays)) +
        ' ' +
        tr("Encrypt Text writes only characters of the cipher's alphabet, so they were probably "
           "picked up on the way, in a mail or a chat.");
    const QString without =
        cleanWithoutStrays
            ? tr("Decrypt Without Them removes such characters and decrypts the rest in full.")
            : tr("Even without such characters the text does not decrypt in full.");
    return found + "\n\n" + without + ' ' + anyway;
}

QString Messages::paddingCaption(const cipher::Padding& padding) {
    if (padding.others() == 0) {
        return counted(padding.spaces(), QT_TR_NOOP("&Add 1 space at the end"),
                       QT_TR_NOOP("&Add %1 spaces at the end"));
    }
    if (padding.spaces() == 0) {
        return counted(padding.others(), QT_TR_NOOP("&Add 1 character at the end"),
                       QT_TR_NOOP("&Add %1 characters at the end"));
    }
    return tr("&Add %1 and %2 at the end")
        .arg(counted(padding.spaces(), QT_TR_NOOP("1 space"), QT_TR_NOOP("%1 spaces")),
             counted(padding.others(), QT_TR_NOOP("1 other character"),
                     QT_TR_NOOP("%1 other characters")));
}

QString Messages::decryptAnywayCaption() {
    return tr("Decrypt &Anyway");
}

QString Messages::withoutStraysCaption() {
    return tr("Decrypt &Without Them");
}

QString Messages::plainFormsCaption() {
    return tr("Use &Plain Forms");
}

QString Messages::keepCaption() {
    return tr("Keep the Text");
}

QString Messages::encrypted(const cipher::LostCharacters& lost, const cipher::Padding* padding) {
    QString note = padding == nullptr
                       ? tr("Encrypted.")
                       : tr("Encrypted, with %1 added at the end.").arg(additions(*padding));
    if (lost.any()) {
        note += ' ' + counted(lost.count,
                              QT_TR_NOOP("1 character cannot come back when you decrypt: %2."),
                              QT_TR_NOOP("%1 characters cannot come back when you decrypt: %2."))
                          .arg(lostCharacterList(lost));
    } else if (padding == nullptr) {
        note += ' ' + tr("Decrypt Text brings the text back whole.");
    } else {
        note +=
            ' ' + tr("Decrypt Text brings the text back whole, with what was added at the end.");
    }
    return note + ' ' + tr("Ctrl+Z restores the text.");
}

QString Messages::decrypted(const cipher::RecoveredText& recovered) {
    QString note =
        recovered.lineBreaks == 0
            ? tr("Decrypted.")
            : counted(recovered.lineBreaks, QT_TR_NOOP("Decrypted, with 1 line break put back."),
                      QT_TR_NOOP("Decrypted, with %1 line breaks put back."));
    if (!recovered.complete()) {
        note += ' ' + counted(recovered.marks,
                              QT_TR_NOOP("1 character could not come back and is marked %2."),
                              QT_TR_NOOP("%1 characters could not come back and are marked %2."))
                          .arg(kMark);
    }
    return note + ' ' + tr("Ctrl+Z restores the cipher text.");
}

QString Messages::decryptedWithStrays(const cipher::LostCharacters& strays, bool offer) {
    QString note =
        counted(strays.outsideAlphabet(),
                QT_TR_NOOP("Decrypted, but the cipher text held 1 character that no cipher text "
                           "has (%2), so the result is likely garbled."),
                QT_TR_NOOP("Decrypted, but the cipher text held %1 characters that no cipher "
                           "text has (%2), so the result is likely garbled."))
            .arg(strayCharacterList(strays));
    if (offer) {
        note += ' ' + tr("Decrypt Without Them removes such characters and decrypts again.");
    }
    return note + ' ' + tr("Ctrl+Z restores the cipher text.");
}

QString Messages::decryptedWithoutStrays(const cipher::LostCharacters& strays,
                                         const cipher::RecoveredText& recovered) {
    QString note = counted(strays.outsideAlphabet(),
                           QT_TR_NOOP("Decrypted without the 1 character that the cipher text "
                                      "had picked up (%2)."),
                           QT_TR_NOOP("Decrypted without the %1 characters that the cipher text "
                                      "had picked up (%2)."))
                       .arg(strayCharacterList(strays));
    if (recovered.lineBreaks != 0) {
        note += ' ' + counted(recovered.lineBreaks, QT_TR_NOOP("1 line break was put back."),
                              QT_TR_NOOP("%1 line breaks were put back."));
    }
    return note + ' ' + tr("Ctrl+Z restores the cipher text as it was.");
}

QString Messages::outlook(const cipher::Outlook& outlook) {
    using Verdict = cipher::Outlook::Verdict;
    const cipher::TextLength& length = outlook.length;
    const QString ofLimit = tr("%1 of %2 characters (a line break counts as two):")
                                .arg(groupedNumber(length.characters), limit());
    QString line;
    switch (outlook.verdict) {
        case Verdict::AsItIs:
            line = ofLimit + ' ' + tr("Encrypt Text takes it as it is.");
            break;
        case Verdict::NeedsPadding:
            line = ofLimit + ' ' +
                   tr("Encrypt Text will offer to add %1 at the end.")
                       .arg(additions(*outlook.padding));
            break;
        case Verdict::CannotBePadded:
            line = ofLimit + ' ' + tr("Encrypt Text cannot take it as it is; split it in two.");
            break;
        case Verdict::TooLong:
            line =
                tr("%1 characters (a line break counts as two): %2 over the limit of %3.")
                    .arg(groupedNumber(length.characters), groupedNumber(length.excess()), limit());
            break;
    }
    if (outlook.lost.any()) {
        line += ' ' + counted(outlook.lost.count, QT_TR_NOOP("1 cannot come back: %2."),
                              QT_TR_NOOP("%1 cannot come back: %2."))
                          .arg(lostCharacterList(outlook.lost));
    }
    return line;
}
