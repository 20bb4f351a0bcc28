// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QString>
#include <cstddef>

#include "command.h"
#include "notes/character_codes.h"
#include "notes/decrypted_note.h"
#include "notes/decryption_outlook.h"
#include "notes/encryption_plan.h"
#include "notes/note_pieces.h"
#include "notes/outlook.h"
#include "notes/outside_characters.h"
#include "notes/text_length.h"

// Every sentence the window shows: what happened, what it means for the
// user's text, and the way through, in words for someone who knows nothing
// of how the cipher works inside. Lengths are counted as the user counts
// them, a line break as one character, unless said otherwise.
class Messages {
    Q_DECLARE_TR_FUNCTIONS(Messages)

  public:
    // Dialogs.
    static QString tooLong(Command command, const notes::TextLength& length);
    static QString noteTooLong(const notes::TextLength& length);
    // Why Decrypt Text asks before it writes, in two sentences: what the
    // text looks like, then what each button does.
    static QString decryptionQuestion(const notes::DecryptionOutlook& outlook);

    // Dialog buttons and the message's offers, each with its access key:
    // Alt+A takes a dialog's offer, Alt+W removes what a cipher text picked
    // up ("It" for one character, "Them" for more), Alt+P uses plain forms,
    // Alt+K keeps the text.
    static QString decryptAnywayCaption();
    static QString withoutPickedUpCaption(std::size_t pickedUp);
    static QString plainFormsCaption();
    static QString keepCaption();
    static QString okCaption();
    // What Use Plain Forms will change in the text: "‘ ’ → ', – → -".
    static QString plainFormsChanges(const notes::CodedCharacters& codes);
    // How many characters a cipher text picked up, as the captions count them.
    static std::size_t pickedUpCount(const notes::PickedUp& picked);

    // Messages after a command, shown until the text is next edited.
    // alreadyEncrypted: the text looked like a cipher text already.
    static QString encrypted(const notes::CodedCharacters& codes, const notes::EncryptionPlan& plan,
                             bool alreadyEncrypted = false);
    // After Decrypt Text put several cipher texts together.
    static QString decryptedPieces(const notes::DecryptedPieces& pieces);
    static QString piecesOutOfPlace(const notes::DecryptedPieces::Gap& gap);
    static QString unreadablePiece(const notes::DecryptedPieces& pieces);
    // Decrypt Text on one piece of a note in pieces.
    static QString lonePiece(const notes::DecryptedNote& piece);
    // After Decrypt Text wrote without asking.
    static QString decrypted(const notes::DecryptionOutlook& outlook);
    // After the user chose Decrypt Anyway.
    static QString decryptedAnyway(const notes::DecryptionOutlook& outlook);
    // After the user chose Decrypt Without It (or Them).
    static QString decryptedWithoutPickedUp(const notes::DecryptedNote& decrypted,
                                            const notes::PickedUp& picked);

    // The live line: what Encrypt Text will do with the text as it stands.
    static QString outlook(const notes::Outlook& outlook);

  private:
    static QString codes(const notes::CodedCharacters& codes);
    static QString outlookOfCodes(const notes::CodedCharacters& codes);
    static QString codesSentences(const notes::CodedCharacters& codes);
    static QString encryptedAgain(const notes::EncryptionPlan& plan);
    static QString outsideList(const notes::OutsideCharacters& outside, bool inside);
    static QString whatDecryptingDid(const notes::DecryptedNote& decrypted);
    static QString pickedUpList(const notes::PickedUp& picked);
    static QString decryptedSentence(const notes::DecryptedNote& decrypted);
    static QString decryptedNote(const notes::DecryptedNote& decrypted, const QString& first,
                                 const QString& undone);
    static QString lostCharactersProblem(const notes::DecryptionOutlook& outlook);
    static QString cutShortProblem(const notes::CutShort& cut);
    static QString straysProblem(const notes::DecryptionOutlook& outlook);
    static QString pickedUpProblem(const notes::DecryptionOutlook& outlook);
    static QString unchanged();
};
