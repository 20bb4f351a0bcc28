// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <random>

#include "cipher/text_cipher.h"
#include "sample_texts.h"

namespace {

const cipher::TextCipher kCipher;

TEST(RoundTrip, EverySingleAlphabetCharacterIsItsOwnCipherText) {
    for (int position = 1; position <= cipher::kAlphabetSize; ++position) {
        const std::u32string text(1, kCipher.alphabetCharacter(position));
        EXPECT_EQ(kCipher.encryptText(text), text) << position;
        EXPECT_EQ(kCipher.decryptText(text), text) << position;
    }
}

TEST(RoundTrip, AllTwoCharacterTextsEitherRoundTripOrMeetAZeroGroup) {
    int zeroGroups = 0;
    for (int first = 1; first <= cipher::kAlphabetSize; ++first) {
        for (int second = 1; second <= cipher::kAlphabetSize; ++second) {
            const std::u32string text = {kCipher.alphabetCharacter(first),
                                         kCipher.alphabetCharacter(second)};
            try {
                const std::u32string encrypted = kCipher.encryptText(text);
                ASSERT_EQ(kCipher.decryptText(encrypted), text) << first << ", " << second;
            } catch (const cipher::ZeroGroupError&) {
                ++zeroGroups;
            }
        }
    }
    EXPECT_EQ(zeroGroups, 210);
}

TEST(RoundTrip, RandomTextsUpToTheLimitComeBackExactly) {
    std::mt19937 random(20261208);
    std::uniform_int_distribution<std::size_t> length(1, cipher::kMaxTextLength);
    for (int round = 0; round < 300; ++round) {
        const std::size_t size = round == 0 ? cipher::kMaxTextLength : length(random);
        const std::u32string text = samples::textThatEncrypts(kCipher, size, random);
        const std::u32string encrypted = kCipher.encryptText(text);
        ASSERT_EQ(encrypted.size(), text.size());
        ASSERT_EQ(kCipher.decryptText(encrypted), text) << "length " << size;
    }
}

TEST(RoundTrip, DecryptingThenEncryptingGivesTheCipherTextBack) {
    std::mt19937 random(7);
    std::uniform_int_distribution<std::size_t> length(1, 40);
    int decrypted = 0;
    for (int round = 0; round < 3000; ++round) {
        const std::u32string cipherText = samples::alphabetText(kCipher, length(random), random);
        try {
            const std::u32string plain = kCipher.decryptText(cipherText);
            ++decrypted;
            ASSERT_EQ(kCipher.encryptText(plain), cipherText);
        } catch (const cipher::ZeroGroupError&) {
        }
    }
    EXPECT_GT(decrypted, 300) << "too few samples decrypted to test anything";
}

TEST(RoundTrip, ScatterAndGatherUndoEachOther) {
    std::mt19937 random(11);
    std::bernoulli_distribution digit(0.5);
    for (std::size_t groups : {1u, 2u, 3u, 7u, 8u, 49u, 100u, 4681u}) {
        std::string bits;
        for (std::size_t at = 0; at < groups * cipher::kCodeLength; ++at) {
            bits += digit(random) ? '1' : '0';
        }
        const std::string scattered = cipher::TextCipher::scatterBits(bits);
        EXPECT_EQ(cipher::TextCipher::gatherBits(scattered), bits) << groups;
        EXPECT_EQ(cipher::TextCipher::scatterBits(cipher::TextCipher::gatherBits(bits)), bits);
        if (groups > 1) {
            EXPECT_NE(scattered, bits) << "scatter should move digits for " << groups << " groups";
        }
    }
}

TEST(RoundTrip, CharactersOutsideTheAlphabetEncryptAsSevenZeros) {
    for (char32_t outside : samples::outsideCharacters()) {
        const std::u32string text = {U'ü', outside, U'ü', U'ü', U'ü', U'ü', U'ü'};
        EXPECT_EQ(kCipher.encodeText(text).substr(7, 7), "0000000");
        // One zero character among six full ones leaves every column with a one,
        // so the text encrypts, but the character cannot come back.
        const std::u32string encrypted = kCipher.encryptText(text);
        ASSERT_EQ(encrypted.size(), text.size());
        EXPECT_THROW((void)kCipher.decryptText(encrypted), cipher::ZeroGroupError);
    }
}

}  // namespace
