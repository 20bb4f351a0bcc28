// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QString>
#include <cstddef>

#include "cipher/character_codes.h"
#include "cipher/decrypted_note.h"
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
    static QString decryptProblem(const cipher::DecryptedNote& decrypted,
                                  const cipher::OutsideCharacters& strays, bool cleanWithoutStrays);

    // Dialog buttons and the note's offers. Alt+A takes a dialog's main offer.
    static QString paddingCaption(const cipher::Padding& line);
    static QString decryptAnywayCaption();
    static QString withoutStraysCaption();
    static QString plainFormsCaption();
    static QString keepCaption();

    // Notes after a command, shown until the text is next edited.
    static QString encrypted(const cipher::CodedCharacters& codes, const cipher::Padding* line);
    static QString decrypted(const cipher::DecryptedNote& decrypted);
    static QString decryptedWithStrays(const cipher::OutsideCharacters& strays, bool offer);
    static QString decryptedWithoutStrays(const cipher::OutsideCharacters& strays,
                                          const cipher::DecryptedNote& decrypted);

    // The live line: what Encrypt Text will do with the text as it stands.
    static QString outlook(const cipher::Outlook& outlook);

  private:
    static QString additions(const cipher::Padding& line);
    static QString codes(const cipher::CodedCharacters& codes);
    static QString whatDecryptingDid(const cipher::DecryptedNote& decrypted);
    static QString unchanged();
};
