// SPDX-License-Identifier: MIT
// Feeds arbitrary code points to every whole-text operation and checks what
// must hold for any input: lengths are kept, results use only the alphabet
// (or the two digits), texts over the alphabet come back exactly, the only
// failures are the cipher's own, and every text can be judged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "cipher/text_cipher.h"
#include "cipher/text_judgement.h"

namespace {

const cipher::TextCipher kCipher;

// Most bytes pick an alphabet character, so texts often transform; a byte
// from 0xF0 up takes the next three bytes as any 32-bit value instead.
std::u32string textFrom(const std::uint8_t* data, std::size_t size) {
    std::u32string text;
    for (std::size_t at = 0; at < size; ++at) {
        if (data[at] < 0xF0 || at + 3 >= size) {
            text += kCipher.alphabetCharacter(data[at] % cipher::kAlphabetSize + 1);
        } else {
            const auto high = static_cast<char32_t>(data[at] - 0xF0);
            text += high << 24 | char32_t{data[at + 1]} << 16 | char32_t{data[at + 2]} << 8 |
                    data[at + 3];
            at += 3;
        }
    }
    return text;
}

void require(bool holds) {
    if (!holds) {
        std::abort();
    }
}

bool overAlphabet(const std::u32string& text) {
    for (char32_t character : text) {
        if (kCipher.alphabetPosition(character) == 0) {
            return false;
        }
    }
    return true;
}

bool onlyDigits(const std::string& bits) {
    return bits.find_first_not_of("01") == std::string::npos;
}

void checkEncrypt(const std::u32string& text) {
    try {
        const std::u32string encrypted = kCipher.encryptText(text);
        require(encrypted.size() == text.size() && overAlphabet(encrypted));
        if (overAlphabet(text)) {
            require(kCipher.decryptText(encrypted) == text);
        }
    } catch (const cipher::CipherError&) {
    }
}

void checkDecrypt(const std::u32string& text) {
    try {
        const std::string bits = kCipher.decryptBits(text);
        require(bits.size() == text.size() * cipher::kCodeLength && onlyDigits(bits));
        const std::u32string decrypted = kCipher.decryptText(text);
        require(decrypted.size() == text.size() && overAlphabet(decrypted));
        if (overAlphabet(text)) {
            require(kCipher.encryptText(decrypted) == text);
        }
    } catch (const cipher::CipherError&) {
    }
}

// Any text of up to 4,012 characters has a padding; with it the text
// encrypts, and a text over the alphabet comes back with the padding.
void checkPadding(const std::u32string& text) {
    if (text.size() > cipher::kMaxTextLength || kCipher.encrypts(text)) {
        return;
    }
    const auto padding = kCipher.paddingToEncrypt(text);
    require(padding.has_value() || text.size() > 4012);
    if (!padding) {
        return;
    }
    const std::u32string padded = text + padding->characters;
    require(padded.size() <= cipher::kMaxTextLength && overAlphabet(padding->characters));
    const std::u32string encrypted = kCipher.encryptText(padded);
    if (overAlphabet(text)) {
        const auto recovered = kCipher.decryptRestoringLineBreaks(encrypted);
        require(recovered.text == padded && recovered.complete() && recovered.lineBreaks == 0);
    }
}

// Any text is judged, its counts agree with one another and with the
// cipher's own count of characters as typed.
void checkJudgement(const std::u32string& text) {
    const cipher::TextJudgement judgement = cipher::judgeText(text);
    require(judgement.characters == cipher::measureText(text).asTyped());
    require(judgement.symbols <= judgement.characters);
    require(judgement.garbledCharacters <= judgement.wordCharacters &&
            judgement.wordCharacters <= judgement.characters);
    require((judgement.verdict == cipher::TextJudgement::Verdict::TooShort) ==
            (judgement.characters < cipher::kShortestJudgedText));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::u32string text = textFrom(data, size);
    checkEncrypt(text);
    checkDecrypt(text);
    checkPadding(text);
    checkJudgement(text);
    return 0;
}
