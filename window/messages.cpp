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

QString Messages::codes(const notes::CodedCharacters& codes) {
    return tr("%Ln characters travel as codes: %1.", nullptr, plural(codes.count))
        .arg(codedCharacterList(codes));
}

QString Messages::tooLong(Command command, const notes::TextLength& length) {
    QString message =
        tr("This text is too long for %1: the cipher takes at most %2 characters at a time, and "
           "this text has %3, %4 too many.")
            .arg(commandCaption(command), limit(), groupedNumber(length.characters),
                 groupedNumber(length.excess()));
    QStringList reasons;
    if (length.lineBreaks != 0) {
        reasons << tr("each line break reaches the cipher as two, a carriage return and a line "
                      "feed, and this text has %1")
                       .arg(tr("%Ln line breaks", nullptr, plural(length.lineBreaks)));
    }
    if (length.addedByCodes != 0) {
        reasons << tr("the codes for characters outside the cipher's alphabet add %1 characters")
                       .arg(groupedNumber(length.addedByCodes));
    }
    if (!reasons.isEmpty()) {
        message = tr("This text is too long for %1: the cipher takes at most %2 characters at a "
                     "time, and counts %3 in this text, %4 too many. You see %5 characters, but "
                     "%6.")
                      .arg(commandCaption(command), limit(), groupedNumber(length.characters),
                           groupedNumber(length.excess()), groupedNumber(length.asTyped()),
                           reasons.join(tr(", and ")));
    }
    const QString shorten =
        length.addedByCodes == 0
            ? tr("Shorten it by %Ln characters (a line break counts as two), or transform it in "
                 "pieces.",
                 nullptr, plural(length.excess()))
            : tr("Shorten it by %Ln characters (a line break counts as two, a code as its "
                 "length), or transform it in pieces.",
                 nullptr, plural(length.excess()));
    return message + "\n\n" + shorten + ' ' + unchanged();
}

QString Messages::noteTooLong(const notes::TextLength& length) {
    return tr("This text is too long for Encrypt Text: it takes at most %1 characters, in pieces, "
              "and counts %2 in this text, %3 too many. Keep the rest in a second text.")
               .arg(groupedNumber(notes::kMaxNoteLength), groupedNumber(length.characters),
                    groupedNumber(length.excessOverNote())) +
           ' ' + unchanged();
}

namespace {

QString decryptAnyway() {
    return Messages::tr(
               "Decrypt Anyway decrypts everything else and puts %1 where a character cannot "
               "come back.")
        .arg(kMark);
}

// "1 space and 1 line break at the end".
QString endSpace(const notes::EndSpace& space, const QString& where) {
    QStringList kinds;
    if (space.spaces != 0) {
        kinds << Messages::tr("%Ln spaces", nullptr, plural(space.spaces));
    }
    if (space.tabs != 0) {
        kinds << Messages::tr("%Ln tabs", nullptr, plural(space.tabs));
    }
    if (space.lineBreaks != 0) {
        kinds << Messages::tr("%Ln line breaks", nullptr, plural(space.lineBreaks));
    }
    return where.arg(kinds.join(Messages::tr(" and ")));
}

}  // namespace

// "1 tab at the start, 2 characters that no cipher text has (line break (2))
// and 2 spaces at the end".
QString Messages::pickedUpList(const notes::PickedUp& picked) {
    QStringList parts;
    if (picked.atStart.any()) {
        parts << endSpace(picked.atStart, tr("%1 at the start"));
    }
    if (picked.inside.withLineBreaks() != 0) {
        parts << tr("%Ln characters that no cipher text has (%1)", nullptr,
                    plural(picked.inside.withLineBreaks()))
                     .arg(strayCharacterList(picked.inside));
    }
    if (picked.atEnd.any()) {
        parts << endSpace(picked.atEnd, tr("%1 at the end"));
    }
    const QString last = parts.takeLast();
    return parts.isEmpty() ? last : tr("%1 and %2").arg(parts.join(", "), last);
}

QString Messages::decryptionQuestion(const notes::DecryptionOutlook& outlook) {
    using Verdict = notes::DecryptionOutlook::Verdict;
    switch (outlook.verdict) {
        case Verdict::NotACipherText:
            return tr("This looks like an ordinary text, not a cipher text: it reads like text, "
                      "and what Decrypt Text would make of it does not. Encrypt Text (Ctrl+E) may "
                      "be what you meant.") +
                   "\n\n" +
                   tr("Decrypt Anyway decrypts it all the same; Ctrl+Z then brings the text back.");
        case Verdict::PickedUp:
            return tr("As it stands, this text does not decrypt in full into text. Without %1, "
                      "it does, so the cipher text probably picked them up on the way, in a mail "
                      "or a chat.")
                       .arg(pickedUpList(outlook.pickedUp)) +
                   "\n\n" +
                   tr("Decrypt Without Them removes them and decrypts the rest. Decrypt Anyway "
                      "decrypts the text as it stands and puts %1 where a character cannot come "
                      "back.")
                       .arg(kMark);
        case Verdict::CutShort:
            return cutShortProblem(*outlook.cutShort);
        default:
            return outlook.strays.withLineBreaks() == 0 ? lostCharactersProblem(outlook)
                                                        : straysProblem(outlook);
    }
}

// Said apart for one character and for more, so that the catalogue's counted
// phrases stay as they are.
QString Messages::cutShortProblem(const notes::CutShort& cut) {
    using Where = notes::CutShort::Where;
    QString missing;
    if (cut.where == Where::AtEnd) {
        missing = cut.missing == 1 ? tr("Its last character seems to be missing.")
                                   : tr("Its last %1 characters seem to be missing.")
                                         .arg(static_cast<qulonglong>(cut.missing));
    } else if (cut.where == Where::AtStart) {
        missing = cut.missing == 1 ? tr("Its first character seems to be missing.")
                                   : tr("Its first %1 characters seem to be missing.")
                                         .arg(static_cast<qulonglong>(cut.missing));
    }
    const QString seems = tr("This cipher text seems cut short: copy it again whole.");
    return (missing.isEmpty() ? seems : seems + ' ' + missing) + "\n\n" +
           tr("Decrypt Anyway decrypts it as it stands, and then only part of the note reads like "
              "text; Ctrl+Z brings the cipher text back.");
}

QString Messages::lostCharactersProblem(const notes::DecryptionOutlook& outlook) {
    const notes::DecryptedNote& decrypted = outlook.decrypted;
    if (!outlook.readsLikeText) {
        return tr("This does not decrypt into text: %Ln groups of its digits stand for no "
                  "character, and the rest does not read like text. It is most likely not a text "
                  "that Encrypt Text made.",
                  nullptr, plural(decrypted.marks)) +
               "\n\n" + decryptAnyway();
    }
    // Two lost characters side by side read as a line break, so there may be more.
    const QString lost =
        decrypted.lineBreaksCertain
            ? tr("%Ln characters of this note cannot come back.", nullptr, plural(decrypted.marks))
            : tr("At least %Ln characters of this note cannot come back.", nullptr,
                 plural(decrypted.marks));
    return lost + ' ' +
           tr("An earlier version of Text Cipher encrypted it from a note with characters outside "
              "the cipher's alphabet (a tab, for instance, or a letter such as %1), which that "
              "version could not keep.")
               .arg(QString::fromUtf8("É")) +
           "\n\n" + decryptAnyway();
}

QString Messages::straysProblem(const notes::DecryptionOutlook& outlook) {
    return tr("This text holds %Ln characters that no cipher text has: %1.", nullptr,
              plural(outlook.strays.withLineBreaks()))
               .arg(strayCharacterList(outlook.strays)) +
           ' ' +
           tr("Encrypt Text writes only characters of the cipher's alphabet, so they were probably "
              "picked up on the way, in a mail or a chat.") +
           "\n\n" +
           tr("Even without such characters the text does not decrypt in full into text.") + ' ' +
           decryptAnyway();
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

QString Messages::encrypted(const notes::CodedCharacters& codes,
                            const notes::EncryptionPlan& plan) {
    QString message = tr("Encrypted.");
    if (plan.pieces.size() > 1) {
        message =
            tr("Encrypted in %Ln pieces, one to a line with an empty line between, each "
               "ending in its number after a ~.",
               nullptr, plural(plan.pieces.size()));
    } else if (!plan.asItStands()) {
        message = tr("Encrypted, with %Ln characters added at the end, after a ~.", nullptr,
                     plural(plan.added()));
    }
    if (codes.any()) {
        message += ' ' + Messages::codes(codes);
    }
    message += ' ' + (plan.asItStands() ? tr("Decrypt Text brings the text back whole.")
                                        : tr("Decrypt Text takes them off and brings the text "
                                             "back whole."));
    return message + ' ' + tr("Ctrl+Z restores the text.");
}

// Codes, marks and line breaks that may not be real, after the first sentence.
QString Messages::whatDecryptingDid(const notes::DecryptedNote& decrypted) {
    QString note;
    if (decrypted.codes != 0) {
        note += ' ' + tr("%Ln codes were read back as their characters.", nullptr,
                         plural(decrypted.codes));
    }
    if (!decrypted.complete()) {
        note += ' ' + tr("%Ln characters could not come back and are marked %1.", nullptr,
                         plural(decrypted.marks))
                          .arg(kMark);
    }
    if (!decrypted.lineBreaksCertain && decrypted.lineBreaks != 0) {
        note += ' ' + tr("Two such characters side by side look like a line break, so a line "
                         "break may stand for two of them.");
    }
    return note;
}

namespace {

const char* const kNoText = QT_TRANSLATE_NOOP("Messages", "This result does not read like text.");

}  // namespace

// "Decrypted, with 2 line breaks put back. 3 codes were read back ..."
// and how Ctrl+Z undoes it.
QString Messages::decryptedNote(const notes::DecryptedNote& decrypted, const QString& first,
                                const QString& undone) {
    QString note = first + whatDecryptingDid(decrypted);
    if (!decrypted.offeredLine.empty()) {
        return note + ' ' +
               tr("The line that Encrypt Text had added at the end was taken off: Ctrl+Z shows "
                  "it, and Ctrl+Z again %1.")
                   .arg(undone);
    }
    return note + ' ' + tr("Ctrl+Z %1.").arg(undone);
}

QString Messages::decryptedSentence(const notes::DecryptedNote& decrypted) {
    return decrypted.lineBreaks == 0 ? tr("Decrypted.")
                                     : tr("Decrypted, with %Ln line breaks put back.", nullptr,
                                          plural(decrypted.lineBreaks));
}

QString Messages::decrypted(const notes::DecryptionOutlook& outlook) {
    using Verdict = notes::DecryptionOutlook::Verdict;
    const notes::DecryptedNote& decrypted = outlook.decrypted;
    if (outlook.verdict == Verdict::DecryptsDespitePickedUp) {
        QString note = tr("Likely garbled: the cipher text held %Ln characters that no cipher text "
                          "has (%1).",
                          nullptr, plural(outlook.strays.withLineBreaks()))
                           .arg(strayCharacterList(outlook.strays));
        if (outlook.withoutPickedUp) {
            note += ' ' + tr("Decrypt Without Them removes them and decrypts again.");
        }
        return decryptedNote(decrypted, note, tr("restores the cipher text"));
    }
    if (!outlook.readsLikeText) {
        return decryptedNote(decrypted, tr(kNoText) + ' ' + decryptedSentence(decrypted),
                             tr("brings back what was there"));
    }
    return decryptedNote(decrypted, decryptedSentence(decrypted), tr("restores the cipher text"));
}

QString Messages::decryptedAnyway(const notes::DecryptionOutlook& outlook) {
    const notes::DecryptedNote& decrypted = outlook.decrypted;
    if (!outlook.readsLikeText) {
        const QString first = decrypted.lineBreaks == 0
                                  ? tr("Decrypted at your word.")
                                  : tr("Decrypted at your word, with %Ln line breaks put back.",
                                       nullptr, plural(decrypted.lineBreaks));
        return decryptedNote(decrypted, tr(kNoText) + ' ' + first,
                             tr("brings back what was there"));
    }
    return decryptedNote(decrypted, decryptedSentence(decrypted), tr("restores the cipher text"));
}

QString Messages::decryptedWithoutPickedUp(const notes::DecryptedNote& decrypted,
                                           const notes::PickedUp& picked) {
    QString note =
        tr("Decrypted without what the cipher text had picked up: %1.").arg(pickedUpList(picked));
    if (decrypted.lineBreaks != 0) {
        note += ' ' + tr("%Ln line breaks were put back.", nullptr, plural(decrypted.lineBreaks));
    }
    return decryptedNote(decrypted, note, tr("restores the cipher text as it was"));
}

QString Messages::outlook(const notes::Outlook& outlook) {
    using Verdict = notes::Outlook::Verdict;
    const notes::TextLength& length = outlook.length;
    const bool coded = outlook.codes.any();
    const QString counted = coded ? tr("(a line break counts as two, a code as its length)")
                                  : tr("(a line break counts as two)");
    const QString ofLimit =
        tr("%1 of %2 characters %3:").arg(groupedNumber(length.characters), limit(), counted);
    QString line;
    switch (outlook.verdict) {
        case Verdict::AsItIs:
            line = ofLimit + ' ' + tr("Encrypt Text takes it as it is.");
            break;
        case Verdict::WithEnding:
            line = ofLimit + ' ' +
                   tr("Encrypt Text adds %Ln characters at the end so that it encrypts.", nullptr,
                      plural(outlook.added));
            break;
        case Verdict::InPieces:
            line = outlook.pieces == 0
                       ? tr("%1 characters %2: Encrypt Text writes it in pieces of at most %3.")
                             .arg(groupedNumber(length.characters), counted, limit())
                       : tr("%1 characters %2, %Ln pieces: Encrypt Text writes each as a cipher "
                            "text of its own.",
                            nullptr, plural(outlook.pieces))
                             .arg(groupedNumber(length.characters), counted);
            break;
        case Verdict::TooLong:
            line = tr("%1 characters %2: %3 over the limit of %4.")
                       .arg(groupedNumber(length.characters), counted,
                            groupedNumber(length.excessOverNote()),
                            groupedNumber(notes::kMaxNoteLength));
            break;
    }
    if (coded) {
        line += ' ' + tr("%Ln characters travel as codes, %1 characters longer: %2.", nullptr,
                         plural(outlook.codes.count))
                          .arg(groupedNumber(outlook.codes.addedLength),
                               codedCharacterList(outlook.codes));
    }
    return line;
}

QString Messages::decryptedPieces(const notes::DecryptedPieces& pieces) {
    QString message =
        pieces.notes == 1
            ? tr("Decrypted %Ln cipher texts into one note.", nullptr, plural(pieces.cipherTexts))
            : tr("Decrypted %1 into %Ln notes, an empty line between two.", nullptr,
                 plural(pieces.notes))
                  .arg(tr("%Ln cipher texts", nullptr, plural(pieces.cipherTexts)));
    if (pieces.wrappedLines != 0) {
        message += ' ' + tr("%Ln line breaks inside them, as mail programs wrap lines, were "
                            "taken out first.",
                            nullptr, plural(pieces.wrappedLines));
    }
    return message + ' ' + tr("Ctrl+Z restores the cipher texts.");
}

QString Messages::piecesOutOfPlace(const notes::DecryptedPieces::Gap& gap) {
    QString problem;
    if (gap.expected == 0) {
        problem = tr("This text starts a note with its piece %1: the pieces before it are "
                     "missing.")
                      .arg(gap.found);
    } else if (gap.found == 0) {
        problem = tr("Piece %1 of a note is missing here.").arg(gap.expected);
    } else {
        problem = tr("Piece %1 of a note stands where piece %2 should be: a piece is missing or "
                     "out of order.")
                      .arg(gap.found)
                      .arg(gap.expected);
    }
    return problem + ' ' +
           tr("Copy every piece, in order, each on its own lines with an empty line between, "
              "and decrypt again.") +
           ' ' + unchanged();
}

QString Messages::lonePiece(const notes::DecryptedNote& piece) {
    return tr("This cipher text is piece %1 of a note in pieces, and the other pieces are not "
              "here. Copy every piece, in order, each on its own lines with an empty line "
              "between, and decrypt them together.")
               .arg(piece.piece) +
           ' ' + unchanged();
}
