// SPDX-License-Identifier: MIT
#include "literal_transcription.h"

LiteralTranscription::LiteralTranscription(const cipher::TextCipher& cipher) {
    for (int position = 1; position <= cipher::kAlphabetSize; ++position) {
        alphabet += cipher.alphabetCharacter(position);
    }
}

void LiteralTranscription::addencrypt(char32_t character, std::string& bits) const {
    int p = 0;
    for (std::size_t index = 0; index < alphabet.size(); ++index) {
        if (alphabet[index] == character) {
            p = static_cast<int>(index) + 1;
            break;
        }
    }
    for (int i = 6; i >= 0; --i) {
        const int d = p / (1 << i);
        bits += d == 1 ? "1" : "0";
        p -= d * (1 << i);
    }
}

void LiteralTranscription::adddecrypt(int start, std::u32string& text,
                                      const std::string& bits) const {
    std::string g = bits.substr(static_cast<std::size_t>(start - 1), 7);
    int v = 0;
    for (int i = 6; i >= 0; --i) {
        v += (1 << i) * (g[0] - '0');
        g = g.substr(1);
    }
    text += alphabet[static_cast<std::size_t>(v - 1)];
}

std::string LiteralTranscription::encodeText(const std::u32string& text) const {
    std::string bits;
    for (char32_t character : text) {
        addencrypt(character, bits);
    }
    return bits;
}

std::u32string LiteralTranscription::decodeGroups(const std::string& bits) const {
    std::u32string text;
    const int m = static_cast<int>(bits.size()) / 7;
    for (int j = 1; j <= m; ++j) {
        adddecrypt(7 * j - 6, text, bits);
    }
    return text;
}

std::u32string LiteralTranscription::encryptText(const std::u32string& text) const {
    const std::string b = encodeText(text);
    const std::size_t n = b.size() / 7;
    std::string t;
    for (std::size_t i = 1; i <= n; ++i) {
        for (std::size_t k = 0; k + n <= b.size(); k += n) {
            t += b[i + k - 1];
        }
    }
    return decodeGroups(t);
}

std::string LiteralTranscription::decryptBits(const std::u32string& text) const {
    const std::string b = encodeText(text);
    const std::size_t n = b.size() / 7;
    std::string t;
    for (std::size_t r = 1; r <= 7; ++r) {
        for (std::size_t k = 0; k < n; ++k) {
            t += b[7 * k + r - 1];
        }
    }
    return t;
}

std::u32string LiteralTranscription::decryptText(const std::u32string& text) const {
    return decodeGroups(decryptBits(text));
}
