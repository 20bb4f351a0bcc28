// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>

#include "cipher/text_cipher.h"
#include "sample_texts.h"

namespace {

const cipher::TextCipher kCipher;

using TextOperation = std::function<void(std::u32string_view)>;

const std::pair<const char*, TextOperation> kTextOperations[] = {
    {"encodeText", [](std::u32string_view text) { (void)kCipher.encodeText(text); }},
    {"encryptText", [](std::u32string_view text) { (void)kCipher.encryptText(text); }},
    {"decryptBits", [](std::u32string_view text) { (void)kCipher.decryptBits(text); }},
    {"decryptText", [](std::u32string_view text) { (void)kCipher.decryptText(text); }},
};

TEST(Limits, TheLongestTextIs4681Characters) {
    std::mt19937 random(3);
    const std::u32string longest = samples::textThatEncrypts(kCipher, 4681, random);
    const std::u32string encrypted = kCipher.encryptText(longest);
    EXPECT_EQ(kCipher.decryptBits(encrypted).size(), 32767u);
    EXPECT_EQ(kCipher.decryptText(encrypted), longest);
}

TEST(Limits, EveryOperationRefuses4682CharactersWithTheLengthInItsMessage) {
    const std::u32string tooLong(4682, U'a');
    for (const auto& [name, operation] : kTextOperations) {
        try {
            operation(tooLong);
            ADD_FAILURE() << name << " accepted 4,682 characters";
        } catch (const cipher::TextTooLongError& error) {
            EXPECT_EQ(error.length(), 4682u) << name;
            const std::string message = error.what();
            EXPECT_NE(message.find("4682 "), std::string::npos) << message;
            EXPECT_NE(message.find("most 4681"), std::string::npos) << message;
        }
    }
}

TEST(Limits, CharactersBeyondTheBasicPlaneCountOnceEach) {
    std::u32string text(4681, U'ü');
    text[100] = U'\U0001F600';
    text[4680] = U'\U0001F4A9';
    EXPECT_EQ(kCipher.encodeText(text).size(), 32767u);
    EXPECT_EQ(kCipher.encryptText(text).size(), 4681u);
}

TEST(Limits, TranspositionsRefuseStringsThatAreNoBitString) {
    const std::string notBitStrings[] = {"0", "00000010", "0000002", std::string(32774, '1')};
    for (const std::string& bits : notBitStrings) {
        EXPECT_THROW((void)cipher::TextCipher::scatterBits(bits), std::invalid_argument);
        EXPECT_THROW((void)cipher::TextCipher::gatherBits(bits), std::invalid_argument);
    }
    EXPECT_EQ(cipher::TextCipher::scatterBits(std::string(32767, '1')).size(), 32767u);
}

}  // namespace
