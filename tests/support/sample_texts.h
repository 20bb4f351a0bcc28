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

// A random text over the alphabet that encrypts without a zero group. Long
// random texts almost never do, so this one is repaired: wherever a group of
// the scattered digits is all zeros, one digit of the text that feeds it is set.
std::u32string textThatEncrypts(const cipher::TextCipher& cipher, std::size_t length,
                                std::mt19937& random);

// The text over the alphabet with digits set in its first seventh, the way
// textThatEncrypts repairs its texts: characters past the first seventh
// (and one) are kept.
std::u32string repairedToEncrypt(const cipher::TextCipher& cipher, const std::u32string& start);

// The text with the padding that Encrypt Text offers, where it needs one.
std::u32string encryptable(const cipher::TextCipher& cipher, const std::u32string& text);

// The cipher text of encryptable(text).
std::u32string cipherTextOf(const cipher::TextCipher& cipher, const std::u32string& text);

// Code points outside the alphabet, from control characters to an emoji.
const std::u32string& outsideCharacters();

}  // namespace samples
