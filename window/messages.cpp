// SPDX-License-Identifier: MIT
#include "messages.h"

#include <QStringList>
#include <algorithm>
#include <limits>

#include "character_names.h"
#include "cipher/limits.h"
#include "number_format.h"

namespace {

const QString kMark(QChar::ReplacementCharacter);

// tr() takes the count that chooses a plural form as an int; no text the
// window holds comes near its limit.
int plural(std::size_t count) {
    return static_cast<int>(std::min<std::size_t>(count, std::numeric_limits<int>::max()));
}

QString limit() {
    return groupedNumber(cipher::kMaxTextLength);
}

}  // namespace

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
    QString spaces = tr("%Ln spaces", nullptr, plural(padding.spaces()));
    if (padding.others() == 0) {
        return spaces;
    }
    const QString listed = QString(" (%1)").arg(others.join(", "));
    if (padding.spaces() == 0) {
        return tr("%Ln characters", nullptr, plural(padding.others())) + listed;
    }
    return tr("%1 and %2")
               .arg(spaces, tr("%Ln other characters", nullptr, plural(padding.others()))) +
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
                           tr("%Ln line breaks", nullptr, plural(length.lineBreaks)));
    }
    return message + "\n\n" +
           tr("Shorten it by %Ln characters (a line break counts as two), or transform it in "
              "pieces.",
              nullptr, plural(length.excess())) +
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
            ? tr("Decrypt Text then gives the text back with what was added at the end, except %Ln "
                 "characters that are not in the cipher's alphabet: %1.",
                 nullptr, plural(lost.count))
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
        return tr("%Ln characters of this note cannot come back.", nullptr,
                  plural(recovered.marks)) +
               ' ' +
               tr("Either the note held a character outside the cipher's alphabet when it was "
                  "encrypted (a tab, for instance, or a letter such as %1), or this is not a "
                  "text that Encrypt Text made.")
                   .arg(QString::fromUtf8("É")) +
               "\n\n" + anyway;
    }
    const QString found =
        tr("This text holds %Ln characters that no cipher text has: %1.", nullptr,
           plural(strays.outsideAlphabet()))
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
        return tr("&Add %Ln spaces at the end", nullptr, plural(padding.spaces()));
    }
    if (padding.spaces() == 0) {
        return tr("&Add %Ln characters at the end", nullptr, plural(padding.others()));
    }
    return tr("&Add %1 and %2 at the end")
        .arg(tr("%Ln spaces", nullptr, plural(padding.spaces())),
             tr("%Ln other characters", nullptr, plural(padding.others())));
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
        note += ' ' + tr("%Ln characters cannot come back when you decrypt: %1.", nullptr,
                         plural(lost.count))
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
    QString note = recovered.lineBreaks == 0 ? tr("Decrypted.")
                                             : tr("Decrypted, with %Ln line breaks put back.",
                                                  nullptr, plural(recovered.lineBreaks));
    if (!recovered.complete()) {
        note += ' ' + tr("%Ln characters could not come back and are marked %1.", nullptr,
                         plural(recovered.marks))
                          .arg(kMark);
    }
    return note + ' ' + tr("Ctrl+Z restores the cipher text.");
}

QString Messages::decryptedWithStrays(const cipher::LostCharacters& strays, bool offer) {
    QString note = tr("Decrypted, but the cipher text held %Ln characters that no cipher text has "
                      "(%1), so the result is likely garbled.",
                      nullptr, plural(strays.outsideAlphabet()))
                       .arg(strayCharacterList(strays));
    if (offer) {
        note += ' ' + tr("Decrypt Without Them removes such characters and decrypts again.");
    }
    return note + ' ' + tr("Ctrl+Z restores the cipher text.");
}

QString Messages::decryptedWithoutStrays(const cipher::LostCharacters& strays,
                                         const cipher::RecoveredText& recovered) {
    QString note =
        tr("Decrypted without the %Ln characters that the cipher text had picked up (%1).", nullptr,
           plural(strays.outsideAlphabet()))
            .arg(strayCharacterList(strays));
    if (recovered.lineBreaks != 0) {
        note += ' ' + tr("%Ln line breaks were put back.", nullptr, plural(recovered.lineBreaks));
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
        case Verdict::CannotBePadded:
            // The outlook holds a padding exactly when it needs one.
            if (outlook.padding) {
                line = ofLimit + ' ' +
                       tr("Encrypt Text will offer to add %1 at the end.")
                           .arg(additions(*outlook.padding));
            } else {
                line = ofLimit + ' ' + tr("Encrypt Text cannot take it as it is; split it in two.");
            }
            break;
        case Verdict::TooLong:
            line =
                tr("%1 characters (a line break counts as two): %2 over the limit of %3.")
                    .arg(groupedNumber(length.characters), groupedNumber(length.excess()), limit());
            break;
    }
    if (outlook.lost.any()) {
        line += ' ' + tr("%Ln cannot come back: %1.", nullptr, plural(outlook.lost.count))
                          .arg(lostCharacterList(outlook.lost));
    }
    return line;
}
