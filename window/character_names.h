// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include "cipher/lost_characters.h"

// A character as a person recognises it in a note: its name where the glyph
// is invisible or easily taken for another ("tab", "no-break space",
// "right single quote ’"), the glyph itself otherwise ("É"), and its code
// where it has no glyph ("U+0007").
QString characterName(char32_t character);

// Every kind of lost character, with its count where it occurs more than
// once: "tab (3), É". Line breaks, which come back, are left out.
QString lostCharacterList(const cipher::LostCharacters& characters);

// The same with line breaks first, for a cipher text, which should hold
// neither: "line break (2), tab".
QString strayCharacterList(const cipher::LostCharacters& characters);
