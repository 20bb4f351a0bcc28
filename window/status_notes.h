#pragma once

#include <QString>
#include <cstddef>

#include "cipher/lost_characters.h"

// The status bar's word after Encrypt Text carried characters that Decrypt
// Text cannot bring back.
QString lostCharactersNote(const cipher::LostCharacters& lost);

// The status bar's word after Decrypt Anyway marked characters that could not come back.
QString recoveredNote(std::size_t marked);
