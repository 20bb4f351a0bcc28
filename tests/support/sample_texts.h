// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <random>
#include <string>

#include "cipher/text_cipher.h"

namespace samples {

// A random text of the given length over the alphabet.
std::u32string alphabetText(const cipher::TextCipher& cipher, std::size_t length,
                            std::mt19937& random);

// The text with a line break (carriage return + line feed) put in at random
// places, one for about every 40 characters, never inside another.
std::u32string withRandomLineBreaks(std::u32string text, std::mt19937& random);

// A random text over the alphabet that encrypts without a zero group. Long
// random texts almost never do, so this one is repaired: wherever a group of
// the scattered digits is all zeros, one digit of the text that feeds it is set.
std::u32string textThatEncrypts(const cipher::TextCipher& cipher, std::size_t length,
                                std::mt19937& random);

// The text over the alphabet with digits set in its first seventh, the way
// textThatEncrypts repairs its texts: characters past the first seventh
// (and one) are kept.
std::u32string repairedToEncrypt(const cipher::TextCipher& cipher, const std::u32string& start);

// The note as Encrypt Text hands it to the cipher as one cipher text: with
// its codes and its ending; a note that Encrypt Text writes in pieces, with
// an earlier version's offer's line where it needs one (empty when none helps).
std::u32string encryptable(const cipher::TextCipher& cipher, const std::u32string& note);

// The cipher text of encryptable: what Encrypt Text writes for the note,
// unless it writes it in pieces.
std::u32string cipherTextOf(const cipher::TextCipher& cipher, const std::u32string& note);

// The text as an earlier version of the program handed it to the cipher:
// without codes, so that characters outside the alphabet become zero groups,
// and with the fewest characters that let it encrypt appended, on no line of
// their own. Empty when none help.
std::u32string encryptableWithoutCodes(const cipher::TextCipher& cipher,
                                       const std::u32string& text);

// The cipher text an earlier version wrote: of encryptableWithoutCodes(text).
std::u32string earlierCipherTextOf(const cipher::TextCipher& cipher, const std::u32string& text);

// Code points outside the alphabet, from control characters to an emoji.
const std::u32string& outsideCharacters();

}  // namespace samples
