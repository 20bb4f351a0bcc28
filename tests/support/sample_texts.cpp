// SPDX-License-Identifier: MIT
#include "sample_texts.h"

#include <vector>

#include "cipher/zero_groups.h"
#include "notes/character_codes.h"
#include "notes/encryption_plan.h"
#include "notes/offered_line.h"
#include "notes/padding.h"

namespace samples {

std::u32string alphabetText(const cipher::TextCipher& cipher, std::size_t length,
                            std::mt19937& random) {
    std::uniform_int_distribution<int> position(1, cipher::kAlphabetSize);
    std::u32string text;
    text.reserve(length);
    while (text.size() < length) {
        text += cipher.alphabetCharacter(position(random));
    }
    return text;
}

std::u32string withRandomLineBreaks(std::u32string text, std::mt19937& random) {
    std::uniform_int_distribution<std::size_t> place(0, text.size());
    for (std::size_t breaks = text.size() / 40; breaks > 0; --breaks) {
        std::size_t at = place(random);
        if (at > 0 && text[at - 1] == U'\r') {
            --at;  // not between the two halves of another line break
        }
        text.insert(at, U"\r\n");
    }
    return text;
}

std::u32string textThatEncrypts(const cipher::TextCipher& cipher, std::size_t length,
                                std::mt19937& random) {
    return repairedToEncrypt(cipher, alphabetText(cipher, length, random));
}

std::u32string repairedToEncrypt(const cipher::TextCipher& cipher, const std::u32string& start) {
    const std::size_t length = start.size();
    std::vector<int> positions;
    for (char32_t character : start) {
        positions.push_back(cipher.alphabetPosition(character));
    }
    // Scattered group i takes its first digit from digit i of the bit string,
    // which is digit i % 7 of character i / 7. Setting it can only add ones.
    const std::string scattered = cipher::TextCipher::scatterBits(cipher.encodeText(start));
    for (std::size_t group = 0; group < length; ++group) {
        if (scattered.compare(group * cipher::kCodeLength, cipher::kCodeLength, "0000000") == 0) {
            positions[group / cipher::kCodeLength] |= 64 >> (group % cipher::kCodeLength);
        }
    }
    std::u32string text;
    for (int position : positions) {
        text += cipher.alphabetCharacter(position);
    }
    return text;
}

const std::u32string& outsideCharacters() {
    // Includes an unpaired surrogate and values beyond Unicode, which a
    // char32_t can hold even though no valid text does.
    static const std::u32string characters = {
        0x0000, 0x0009, 0x000A, 0x000D, 0x007F, 0x0080,  0x00A0,   0x00C9,   0x00DF,
        0x00FF, 0x00A3, 0x2028, 0xFFFD, 0xD800, 0x1F600, 0x10FFFF, 0x110000, 0xFFFFFFFF};
    return characters;
}

std::u32string encryptable(const cipher::TextCipher& cipher, const std::u32string& note) {
    std::u32string coded = notes::withCodes(cipher, note);
    const notes::EncryptionPlan plan = notes::planEncryption(cipher, coded);
    if (plan.pieces.size() == 1) {
        return coded + plan.pieces.front().ending;
    }
    // One cipher text all the same, as earlier versions wrote it.
    if (cipher::encrypts(cipher, coded)) {
        return coded;
    }
    const auto line = notes::offeredLine(cipher, coded);
    return line ? coded + notes::additionOf(*line) : std::u32string();
}

std::u32string cipherTextOf(const cipher::TextCipher& cipher, const std::u32string& note) {
    return cipher.encryptText(encryptable(cipher, note));
}

std::u32string encryptableWithoutCodes(const cipher::TextCipher& cipher,
                                       const std::u32string& text) {
    if (cipher::encrypts(cipher, text)) {
        return text;
    }
    const auto padding = notes::paddingToEncrypt(cipher, text);
    return padding ? text + padding->characters : std::u32string();
}

std::u32string earlierCipherTextOf(const cipher::TextCipher& cipher, const std::u32string& text) {
    return cipher.encryptText(encryptableWithoutCodes(cipher, text));
}

}  // namespace samples
