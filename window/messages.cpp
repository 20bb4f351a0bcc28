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

QString keepsIt() {
    return Messages::tr("Keep the Text leaves it as it is.");
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

// A line break is named as such: a mail program puts one in where it wraps
// a line, and a person knows it as a line break, not as a character that no
// cipher text has.
QString Messages::outsideList(const notes::OutsideCharacters& outside, bool inside) {
    QStringList parts;
    if (outside.lineBreaks != 0) {
        parts << (inside ? tr("%Ln line breaks inside, as mail programs wrap lines", nullptr,
                              plural(outside.lineBreaks))
                         : tr("%Ln line breaks", nullptr, plural(outside.lineBreaks)));
    }
    if (outside.count != 0) {
        parts << tr("%Ln characters that no cipher text has (%1)", nullptr, plural(outside.count))
                     .arg(strayCharacterList(outside));
    }
    return joinedList(parts);
}

// "1 tab at the start, 2 line breaks inside, as mail programs wrap lines,
// and 2 spaces at the end".
QString Messages::pickedUpList(const notes::PickedUp& picked) {
    QStringList parts;
    if (picked.atStart.any()) {
        parts << endSpace(picked.atStart, tr("%1 at the start"));
    }
    if (picked.inside.withLineBreaks() != 0) {
        parts << outsideList(picked.inside, true);
    }
    if (picked.atEnd.any()) {
        parts << endSpace(picked.atEnd, tr("%1 at the end"));
    }
    const QString last = parts.takeLast();
    return parts.isEmpty() ? last : tr("%1 and %2").arg(parts.join(", "), last);
}

std::size_t Messages::pickedUpCount(const notes::PickedUp& picked) {
    const auto atEnd = [](const notes::EndSpace& space) {
        return space.spaces + space.tabs + space.lineBreaks;
    };
    return atEnd(picked.atStart) + picked.inside.withLineBreaks() + atEnd(picked.atEnd);
}

QString Messages::decryptionQuestion(const notes::DecryptionOutlook& outlook) {
    using Verdict = notes::DecryptionOutlook::Verdict;
    switch (outlook.verdict) {
        case Verdict::NotACipherText:
            return tr("This looks like an ordinary text, not a cipher text: Encrypt Text (Ctrl+E) "
                      "may be what you meant.") +
                   "\n\n" +
                   tr("Decrypt Anyway decrypts it all the same, and Ctrl+Z brings it back; %1")
                       .arg(keepsIt());
        case Verdict::PickedUp:
            return pickedUpProblem(outlook);
        case Verdict::CutShort:
            // A cut-short verdict always carries where and how many.
            if (const auto& cut = outlook.cutShort) {
                return cutShortProblem(*cut);
            }
            break;
        default:
            break;
    }
    return outlook.strays.withLineBreaks() == 0 ? lostCharactersProblem(outlook)
                                                : straysProblem(outlook);
}

QString Messages::pickedUpProblem(const notes::DecryptionOutlook& outlook) {
    const bool one = pickedUpCount(outlook.pickedUp) == 1;
    return (one ? tr("This looks like a cipher text that picked up a character on the way, in a "
                     "mail or a chat: %1.")
                : tr("This looks like a cipher text that picked up characters on the way, in a "
                     "mail or a chat: %1."))
               .arg(pickedUpList(outlook.pickedUp)) +
           "\n\n" +
           (one ? tr("Decrypt Without It takes it off and decrypts the rest; Decrypt Anyway "
                     "decrypts the text as it stands, with %1 where a character cannot come "
                     "back; %2")
                : tr("Decrypt Without Them takes them off and decrypts the rest; Decrypt Anyway "
                     "decrypts the text as it stands, with %1 where a character cannot come "
                     "back; %2"))
               .arg(kMark, keepsIt());
}

// Said apart for one character and for more, so that the catalogue's counted
// phrases stay as they are.
QString Messages::cutShortProblem(const notes::CutShort& cut) {
    using Where = notes::CutShort::Where;
    QString missing;
    if (cut.where == Where::AtEnd) {
        missing = cut.missing == 1 ? tr("its last character seems to be missing")
                                   : tr("its last %1 characters seem to be missing")
                                         .arg(static_cast<qulonglong>(cut.missing));
    } else if (cut.where == Where::AtStart) {
        missing = cut.missing == 1 ? tr("its first character seems to be missing")
                                   : tr("its first %1 characters seem to be missing")
                                         .arg(static_cast<qulonglong>(cut.missing));
    }
    const QString looks =
        missing.isEmpty()
            ? tr("This looks like a cipher text cut short when it was copied: copy it again whole.")
            : tr("This looks like a cipher text cut short when it was copied (%1): copy it again "
                 "whole.")
                  .arg(missing);
    return looks + "\n\n" +
           tr("Decrypt Anyway decrypts it as it stands, and only part of the note will read like "
              "text; %1")
               .arg(keepsIt());
}

QString Messages::lostCharactersProblem(const notes::DecryptionOutlook& outlook) {
    const notes::DecryptedNote& decrypted = outlook.decrypted;
    const QString anyway =
        tr("Decrypt Anyway decrypts the rest and puts %1 where a character cannot come back; %2")
            .arg(kMark, keepsIt());
    if (!outlook.readsLikeText) {
        return tr("This does not look like a cipher text that Encrypt Text made: in %Ln places it "
                  "decrypts into nothing, and the rest does not read like text.",
                  nullptr, plural(decrypted.marks)) +
               "\n\n" + anyway;
    }
    // Two lost characters side by side read as a line break, so there may be more.
    const QString lost =
        decrypted.lineBreaksCertain
            ? tr("%Ln characters of its note cannot come back", nullptr, plural(decrypted.marks))
            : tr("at least %Ln characters of its note cannot come back", nullptr,
                 plural(decrypted.marks));
    return tr("This looks like a cipher text from an earlier version of Text Cipher, which could "
              "not keep characters outside the cipher's alphabet (a tab, for instance, or a letter "
              "such as %1): %2.")
               .arg(QString::fromUtf8("É"), lost) +
           "\n\n" + anyway;
}

QString Messages::straysProblem(const notes::DecryptionOutlook& outlook) {
    return tr("This looks like a garbled cipher text: it picked up %1 on the way, and without "
              "what it picked up it still does not decrypt in full into text.")
               .arg(outsideList(outlook.strays, false)) +
           "\n\n" +
           tr("Decrypt Anyway decrypts it as it stands, with %1 where a character cannot come "
              "back; %2")
               .arg(kMark, keepsIt());
}

QString Messages::decryptAnywayCaption() {
    return tr("Decrypt &Anyway");
}

QString Messages::withoutPickedUpCaption(std::size_t pickedUp) {
    return pickedUp == 1 ? tr("Decrypt &Without It") : tr("Decrypt &Without Them");
}

QString Messages::plainFormsCaption() {
    return tr("Use &Plain Forms");
}

QString Messages::keepCaption() {
    return tr("&Keep the Text");
}

QString Messages::okCaption() {
    return tr("&OK");
}

QString Messages::plainFormsChanges(const notes::CodedCharacters& codes) {
    return plainFormsList(codes);
}

QString Messages::encrypted(const notes::CodedCharacters& codes, const notes::EncryptionPlan& plan,
                            bool alreadyEncrypted) {
    if (alreadyEncrypted) {
        return encryptedAgain(plan);
    }
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

// A cipher text holds only alphabet characters, so it needs no codes.
QString Messages::encryptedAgain(const notes::EncryptionPlan& plan) {
    QString message = tr("Encrypted a second time: this text looked like a cipher text already.");
    if (plan.pieces.size() > 1) {
        message += ' ' + tr("It is now in %Ln pieces, one to a line with an empty line between.",
                            nullptr, plural(plan.pieces.size()));
    } else if (!plan.asItStands()) {
        message += ' ' + tr("%Ln characters were added at the end, after a ~.", nullptr,
                            plural(plan.added()));
    }
    return message + ' ' + tr("Ctrl+D twice brings the note back; Ctrl+Z takes this back now.");
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
        QString note =
            tr("Likely garbled: the cipher text held %1.").arg(outsideList(outlook.strays, false));
        if (outlook.withoutPickedUp) {
            note += ' ' + (pickedUpCount(outlook.pickedUp) == 1
                               ? tr("Decrypt Without It takes it off and decrypts again.")
                               : tr("Decrypt Without Them takes them off and decrypts again."));
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

// Seen first, in the line's two visible lines: the length, what Encrypt
// Text will do, and which characters travel as codes. Then, for the tooltip
// and a screen reader: how the length is counted, why the characters travel
// as codes, and what each becomes.
QString Messages::outlook(const notes::Outlook& outlook) {
    using Verdict = notes::Outlook::Verdict;
    const notes::TextLength& length = outlook.length;
    const QString characters = groupedNumber(length.characters);
    QString line;
    switch (outlook.verdict) {
        case Verdict::AsItIs:
            line = tr("%1 of %2 characters:").arg(characters, limit()) + ' ' +
                   tr("Encrypt Text takes it as it is.");
            break;
        case Verdict::WithEnding:
            line = tr("%1 of %2 characters:").arg(characters, limit()) + ' ' +
                   tr("Encrypt Text adds %Ln characters at the end so that it encrypts.", nullptr,
                      plural(outlook.added));
            break;
        case Verdict::InPieces:
            line = outlook.pieces == 0
                       ? tr("%1 characters: Encrypt Text writes it in pieces of at most %2.")
                             .arg(characters, limit())
                       : tr("%1 characters, %Ln pieces: Encrypt Text writes each as a cipher text "
                            "of its own.",
                            nullptr, plural(outlook.pieces))
                             .arg(characters);
            break;
        case Verdict::TooLong:
            line = tr("%1 characters: %2 over the limit of %3.")
                       .arg(characters, groupedNumber(length.excessOverNote()),
                            groupedNumber(notes::kMaxNoteLength));
            break;
        case Verdict::CipherTexts:
            // What the codes of a cipher text would become says nothing to
            // someone about to decrypt it.
            return tr("%1 characters, %2:")
                       .arg(characters,
                            tr("%Ln cipher texts", nullptr, plural(outlook.cipherTexts))) +
                   ' ' +
                   (outlook.notes == 1 ? tr("Decrypt Text brings back the note they hold.")
                                       : tr("Decrypt Text brings back the %Ln notes they hold.",
                                            nullptr, plural(outlook.notes)));
    }
    return line + ' ' + outlookOfCodes(outlook.codes);
}

// The live line's sentences about the codes. Typing changes the counts at
// the start of the line and seldom the codes, so the sentences are kept and
// written anew only when the codes change.
QString Messages::outlookOfCodes(const notes::CodedCharacters& codes) {
    static notes::CodedCharacters lastCodes;
    static QString lastSentences;
    if (!lastSentences.isEmpty() && codes == lastCodes) {
        return lastSentences;
    }
    lastCodes = codes;
    lastSentences = codesSentences(codes);
    return lastSentences;
}

QString Messages::codesSentences(const notes::CodedCharacters& codes) {
    if (!codes.any()) {
        return tr("A line break counts as two characters.");
    }
    const auto isAmpersand = [](const notes::CodedCharacter& kind) {
        return kind.character == U'&';
    };
    const bool ampersand = std::any_of(codes.kinds.begin(), codes.kinds.end(), isAmpersand);
    // A name starts the sentence with a capital; a glyph stays as it is.
    SpottedList spotted = compactCodedList(codes);
    if (spotted.text.front() >= 'a' && spotted.text.front() <= 'z') {
        spotted.text.front() = spotted.text.front().toUpper();
    }
    QString line = spotted.many ? tr("%1 travel as codes.").arg(spotted.text)
                                : tr("%1 travels as a code.").arg(spotted.text);
    line += ' ' + tr("A line break counts as two characters, a code as its length.") + ' ' +
            tr("The cipher's alphabet has letters such as %1 and %2, but not these: each "
               "travels as a code of alphabet characters, written as HTML writes it.")
                .arg(QString::fromUtf8("ä"), QString::fromUtf8("é"));
    if (ampersand) {
        line += ' ' + tr("Beside them, & travels as &amp;, so that it is not read as the start of "
                         "a code.");
    }
    return line + ' ' +
           tr("%Ln characters travel as codes, %1 characters longer: %2.", nullptr,
              plural(codes.count))
               .arg(groupedNumber(codes.addedLength), codedCharacterList(codes));
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
    if (pieces.blanksAtLineEnds != 0) {
        message += ' ' + tr("%Ln spaces or tabs at the ends of their lines, as mail programs "
                            "leave them, were taken out too.",
                            nullptr, plural(pieces.blanksAtLineEnds));
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

QString Messages::unreadablePiece(const notes::DecryptedPieces& pieces) {
    return tr("Cipher text %1 of the %2 here, set apart by empty lines, does not decrypt whole, "
              "while others are pieces of a note: it lost or picked up characters on the way, "
              "or is not a cipher text. Copy every piece again, each on its own lines with an "
              "empty line between, and decrypt again.")
               .arg(pieces.unreadable)
               .arg(pieces.cipherTexts) +
           ' ' + unchanged();
}

QString Messages::lonePiece(const notes::DecryptedNote& piece) {
    return tr("This cipher text is piece %1 of a note in pieces, and the other pieces are not "
              "here. Copy every piece, in order, each on its own lines with an empty line "
              "between, and decrypt them together.")
               .arg(piece.piece) +
           ' ' + unchanged();
}
