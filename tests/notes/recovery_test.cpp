// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <random>

#include "cipher/text_cipher.h"
#include "cipher/zero_groups.h"
#include "notes/outlook.h"
#include "notes/outside_characters.h"
#include "notes/padding.h"
#include "notes/recovered_text.h"
#include "notes/text_length.h"
#include "sample_texts.h"

namespace {

const cipher::TextCipher kCipher;

bool encrypts(const std::u32string& text) {
    try {
        (void)kCipher.encryptText(text);
        return true;
    } catch (const cipher::ZeroGroupError&) {
        return false;
    }
}

std::u32string withSpaces(std::u32string text, std::size_t spaces) {
    return text.append(spaces, U' ');
}

TEST(SpacesToEncrypt, FindsTheSmallestCountThatEncryptsAndComesBack) {
    std::mt19937 random(5);
    std::uniform_int_distribution<std::size_t> length(2, 1000);
    int padded = 0;
    for (int round = 0; round < 400; ++round) {
        const std::u32string text = samples::alphabetText(kCipher, length(random), random);
        if (encrypts(text)) {
            continue;
        }
        const auto spaces = notes::spacesToEncrypt(kCipher, text);
        if (!spaces) {
            continue;
        }
        ++padded;
        ASSERT_GE(*spaces, 1u);
        for (std::size_t fewer = 1; fewer < *spaces; ++fewer) {
            ASSERT_FALSE(encrypts(withSpaces(text, fewer))) << fewer << " of " << *spaces;
        }
        const std::u32string paddedText = withSpaces(text, *spaces);
        ASSERT_EQ(kCipher.decryptText(kCipher.encryptText(paddedText)), paddedText);
    }
    EXPECT_GT(padded, 100) << "too few texts needed padding to test anything";
}

TEST(SpacesToEncrypt, StaysWithinTheLengthLimit) {
    EXPECT_EQ(notes::spacesToEncrypt(kCipher, std::u32string(4681, U'A')), std::nullopt);
    EXPECT_EQ(notes::spacesToEncrypt(kCipher, std::u32string(4682, U'A')), std::nullopt);
    // One place left: the only offer can be a single space. Texts that end
    // in a space and encrypt give, without it, 4,680 characters that a
    // single space helps (unless they encrypt already).
    std::mt19937 random(9);
    int offered = 0;
    for (int round = 0; round < 20; ++round) {
        std::u32string text = samples::alphabetText(kCipher, 4681, random);
        text.back() = U' ';
        text = samples::repairedToEncrypt(kCipher, text);
        ASSERT_EQ(text.back(), U' ');
        ASSERT_TRUE(encrypts(text));
        text.pop_back();
        if (encrypts(text)) {
            continue;
        }
        ++offered;
        EXPECT_EQ(notes::spacesToEncrypt(kCipher, text), std::optional<std::size_t>(1));
    }
    EXPECT_GT(offered, 10);
}

TEST(SpacesToEncrypt, NeverOffersMoreSpacesThanTheLimitLeavesRoom) {
    std::mt19937 random(21);
    std::uniform_int_distribution<std::size_t> length(4400, 4680);
    int refused = 0;
    for (int round = 0; round < 30; ++round) {
        const std::u32string text = samples::alphabetText(kCipher, length(random), random);
        const auto spaces = notes::spacesToEncrypt(kCipher, text);
        if (spaces) {
            ASSERT_LE(text.size() + *spaces, 4681u);
            ASSERT_TRUE(encrypts(withSpaces(text, *spaces)));
        } else {
            ++refused;
        }
    }
    EXPECT_GT(refused, 10);
}

TEST(DecryptLeniently, BringsBackEveryCharacterButMarksTheLostOnes) {
    std::mt19937 random(13);
    const std::u32string& outside = samples::outsideCharacters();
    std::uniform_int_distribution<std::size_t> pick(0, outside.size() - 1);
    int checked = 0;
    for (int round = 0; round < 500; ++round) {
        std::u32string text = samples::textThatEncrypts(kCipher, 30 + round, random);
        std::u32string expected = text;
        for (std::size_t at = 0; at < text.size(); at += 13) {
            text[at] = outside[pick(random)];
            expected[at] = notes::kReplacementCharacter;
        }
        if (!encrypts(text)) {
            continue;
        }
        ++checked;
        ASSERT_EQ(notes::decryptTextLeniently(kCipher, kCipher.encryptText(text)), expected);
    }
    EXPECT_GT(checked, 100);
}

TEST(DecryptLeniently, AgreesWithDecryptTextWhereverThatSucceeds) {
    std::mt19937 random(17);
    int agreed = 0;
    for (int round = 0; round < 2000; ++round) {
        const auto cipherText = samples::alphabetText(kCipher, 1 + round % 30, random);
        try {
            const auto strict = kCipher.decryptText(cipherText);
            ASSERT_EQ(notes::decryptTextLeniently(kCipher, cipherText), strict);
            ++agreed;
        } catch (const cipher::ZeroGroupError&) {
        }
    }
    EXPECT_GT(agreed, 200);
    EXPECT_EQ(notes::decryptTextLeniently(kCipher, U"Tb9vîf"), U"Text\uFFFD\uFFFD");
    EXPECT_THROW((void)notes::decryptTextLeniently(kCipher, std::u32string(4682, U'a')),
                 cipher::TextTooLongError);
}

TEST(LostCharacters, CountsWhatCannotComeBackByKindAndLineBreaksApart) {
    const auto initial = notes::charactersOutside(kCipher, U"Text\r\n");
    EXPECT_EQ(initial.count, 0u);
    EXPECT_EQ(initial.lineBreaks, 1u);
    EXPECT_EQ(initial.withLineBreaks(), 1u);

    const auto mixed = notes::charactersOutside(kCipher, U"a\tÉßÉ\U0001F600 é\u00A0\r\n\r\t\n");
    EXPECT_EQ(mixed.count, 9u);
    EXPECT_EQ(mixed.lineBreaks, 1u);
    const std::vector<notes::OutsideCharacter> kinds = {
        {U'\t', 2}, {U'É', 2}, {U'ß', 1}, {U'\U0001F600', 1}, {0x00A0, 1}, {U'\r', 1}, {U'\n', 1}};
    EXPECT_EQ(mixed.kinds, kinds);

    EXPECT_FALSE(notes::charactersOutside(kCipher, U"Hello, world!").any());
    EXPECT_EQ(notes::charactersOutside(kCipher, U"Hello, world!").withLineBreaks(), 0u);
}

}  // namespace
