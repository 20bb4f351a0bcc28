// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include "notes/character_codes.h"
#include "notes/outside_characters.h"

// A character as a person recognises it in a note: its name where the glyph
// is invisible or easily taken for another ("tab", "no-break space",
// "right single quote ’"), the glyph itself otherwise ("É"), and its code
// where it has no glyph ("U+0007").
QString characterName(char32_t character);

// Every kind of character that travels as a code, with its code and its
// count where it occurs more than once: "ß as &szlig; (3), tab as &#9;".
QString codedCharacterList(const notes::CodedCharacters& characters);

// The kinds of character that travel as codes as a person spots them in the
// text, the glyph where it shows ("ß, Ö, „, “ and a tab"); "&", which the
// alphabet has, is left out, and past six kinds the rest are counted.
// Whether it names one thing ("ß", "a tab") or more ("tabs", "ß and É").
struct SpottedList {
    QString text;
    bool many = false;
};
SpottedList compactCodedList(const notes::CodedCharacters& characters);

// What Use Plain Forms would change, each plain form after the characters
// it replaces, in the order they occur: "‘ ’ → ', “ ” → ", – → -".
QString plainFormsList(const notes::CodedCharacters& characters);

// Every kind of character outside the alphabet but line breaks, for a
// cipher text, which should hold none: "tab (2), É".
QString strayCharacterList(const notes::OutsideCharacters& characters);

// "a, b and c".
QString joinedList(const QStringList& items);
