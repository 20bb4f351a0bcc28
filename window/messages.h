// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QString>
#include <cstddef>

#include "cipher/character_codes.h"
#include "cipher/decrypted_note.h"
#include "cipher/decryption_outlook.h"
#include "cipher/outlook.h"
#include "cipher/outside_characters.h"
#include "cipher/padding.h"
#include "cipher/text_length.h"
#include "command.h"

// Every sentence the window shows: what happened, what it means for the
// user's text, and the way through. Lengths are counted as the user counts
// them, a line break as one character, unless said otherwise.
class Messages {
    Q_DECLARE_TR_FUNCTIONS(Messages)

  public:
    // Dialogs.
    static QString tooLong(Command command, const cipher::TextLength& length);
    static QString paddingOffer(const cipher::Padding& line);
    static QString noPadding();
    // Why Decrypt Text asks before it writes, and what its offers do.
    static QString decryptionQuestion(const cipher::DecryptionOutlook& outlook);

    // Dialog buttons and the note's offers. Alt+A takes a dialog's main offer.
    static QString paddingCaption(const cipher::Padding& line);
    static QString decryptAnywayCaption();
    static QString withoutStraysCaption();
    static QString plainFormsCaption();
    static QString keepCaption();

    // Notes after a command, shown until the text is next edited.
    static QString encrypted(const cipher::CodedCharacters& codes, const cipher::Padding* line);
    // After Decrypt Text wrote without asking.
    static QString decrypted(const cipher::DecryptionOutlook& outlook);
    // After the user chose Decrypt Anyway.
    static QString decryptedAnyway(const cipher::DecryptionOutlook& outlook);
    // After the user chose Decrypt Without Them.
    static QString decryptedWithoutPickedUp(const cipher::DecryptedNote& decrypted,
                                            const cipher::PickedUp& picked);

    // The live line: what Encrypt Text will do with the text as it stands.
    static QString outlook(const cipher::Outlook& outlook);

  private:
    static QString additions(const cipher::Padding& line);
    static QString codes(const cipher::CodedCharacters& codes);
    static QString whatDecryptingDid(const cipher::DecryptedNote& decrypted);
    static QString pickedUpList(const cipher::PickedUp& picked);
    static QString decryptedSentence(const cipher::DecryptedNote& decrypted);
    static QString decryptedNote(const cipher::DecryptedNote& decrypted, const QString& first,
                                 const QString& undone);
    static QString lostCharactersProblem(const cipher::DecryptionOutlook& outlook);
    static QString straysProblem(const cipher::DecryptionOutlook& outlook);
    static QString unchanged();
};
