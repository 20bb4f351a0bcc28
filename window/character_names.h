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

// Every kind of character outside the alphabet, line breaks first, for a
// cipher text, which should hold none: "line break (2), tab".
QString strayCharacterList(const notes::OutsideCharacters& characters);
