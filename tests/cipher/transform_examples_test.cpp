// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <string>

#include "cipher/text_cipher.h"

namespace {

const cipher::TextCipher kCipher;

// Texts and their cipher texts as the program has always produced them.
struct CipherPair {
    std::u32string plain;
    std::u32string encrypted;
};

const CipherPair kPairs[] = {
    {U"", U""},       {U"A", U"A"},         {U"AA", U"HA"},
    {U"abc", U":J¿"}, {U"Hello", U"ZST=q"}, {U"Text", U"sY^b"},
};

TEST(TransformExamples, EncryptGivesTheKnownCipherTexts) {
    for (const auto& [plain, encrypted] : kPairs) {
        EXPECT_EQ(kCipher.encryptText(plain), encrypted);
    }
    EXPECT_EQ(kCipher.encryptText(U"Text\r\n"), U"Tb9vîf");
}

TEST(TransformExamples, DecryptGivesTheTextsBack) {
    for (const auto& [plain, encrypted] : kPairs) {
        EXPECT_EQ(kCipher.decryptText(encrypted), plain);
    }
}

TEST(TransformExamples, TranspositionsMoveDigitsToTheirKnownPlaces) {
    EXPECT_EQ(cipher::TextCipher::scatterBits(""), "");
    EXPECT_EQ(cipher::TextCipher::gatherBits(""), "");
    EXPECT_EQ(cipher::TextCipher::scatterBits("00000010000001"), "00010000000001");
    EXPECT_EQ(cipher::TextCipher::scatterBits("001101100111000011101"), "011100100010101101011");
    EXPECT_EQ(cipher::TextCipher::gatherBits("011100100010101101011"), "001101100111000011101");
    EXPECT_EQ(kCipher.decryptBits(U":J¿"), "001101100111000011101");
    // A single group stays in place.
    EXPECT_EQ(cipher::TextCipher::scatterBits("1011001"), "1011001");
}

TEST(TransformExamples, DecryptBitsShowsTheLineBreakAsTwoZeroGroups) {
    EXPECT_EQ(kCipher.decryptBits(U"Tb9vîf"), "001010000111110110010010111000000000000000");
    try {
        (void)kCipher.decryptText(U"Tb9vîf");
        FAIL() << "the line break must not decrypt";
    } catch (const cipher::ZeroGroupError& error) {
        EXPECT_EQ(error.group(), 5u);
    }
}

TEST(TransformExamples, ZeroGroupsRefuseTheWholeText) {
    const struct {
        std::u32string text;
        bool encrypting;
        std::size_t firstZeroGroup;
    } cases[] = {
        {U"AB", true, 2},     {U"AAAAAAA", true, 1}, {U"AA", false, 1},
        {U"Hello", false, 1}, {U"\r\n", true, 1},
    };
    for (const auto& [text, encrypting, firstZeroGroup] : cases) {
        try {
            (void)(encrypting ? kCipher.encryptText(text) : kCipher.decryptText(text));
            ADD_FAILURE() << "expected a zero group, text of " << text.size();
        } catch (const cipher::ZeroGroupError& error) {
            EXPECT_EQ(error.group(), firstZeroGroup) << "text of " << text.size();
        }
    }
}

TEST(TransformExamples, CaseMatters) {
    EXPECT_EQ(kCipher.encryptText(U"a"), U"a");
    EXPECT_NE(kCipher.encryptText(U"Hello"), kCipher.encryptText(U"hello"));
}

}  // namespace
