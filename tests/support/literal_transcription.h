// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "cipher/text_cipher.h"

// The cipher's procedures written out step by step, as anyone who decrypts
// with another program would: the reference that tests hold cipher texts to,
// and the baseline that the library's own speed is measured against. A
// linear search of the alphabet, one unreserved append per digit, powers of
// two by division. It assumes texts that transform without a zero group.
class LiteralTranscription {
  public:
    explicit LiteralTranscription(const cipher::TextCipher& cipher);

    std::u32string encryptText(const std::u32string& text) const;
    std::string decryptBits(const std::u32string& text) const;
    std::u32string decryptText(const std::u32string& text) const;

  private:
    void addencrypt(char32_t character, std::string& bits) const;
    void adddecrypt(int start, std::u32string& text, const std::string& bits) const;
    std::string encodeText(const std::u32string& text) const;
    std::u32string decodeGroups(const std::string& bits) const;

    std::u32string alphabet;
};
