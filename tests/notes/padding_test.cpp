// SPDX-License-Identifier: MIT
#include "notes/padding.h"

#include <gtest/gtest.h>

#include <random>

#include "cipher/text_cipher.h"
#include "cipher/zero_groups.h"
#include "notes/outlook.h"
#include "notes/outside_characters.h"
#include "notes/recovered_text.h"
#include "notes/text_length.h"
#include "sample_texts.h"

namespace {

const cipher::TextCipher kCipher;

// Fewest: the same count less one cannot help even as all ones ("ü" is
// position 127, seven ones), which sets every digit any padding could.
void expectFewest(const std::u32string& text, std::size_t added) {
    if (added > 1) {
        EXPECT_FALSE(cipher::encrypts(kCipher, text + std::u32string(added - 1, U'ü'))) << added;
    }
}

// Spaces preferred: no character but a space can become one.
void expectSpacesWhereverTheyDo(const std::u32string& text, const notes::Padding& padding) {
    for (std::size_t at = 0; at < padding.characters.size(); ++at) {
        if (padding.characters[at] == U' ') {
            continue;
        }
        std::u32string spaced = padding.characters;
        spaced[at] = U' ';
        EXPECT_FALSE(cipher::encrypts(kCipher, text + spaced))
            << "character " << at << " could be a space";
    }
}

TEST(PaddingToEncrypt, HelpsEveryTextOfUpTo4000CharactersWithTheFewestCharacters) {
    std::mt19937 random(41);
    std::uniform_int_distribution<std::size_t> length(2, 4000);
    int padded = 0;
    for (int round = 0; round < 150; ++round) {
        const std::size_t size = round < 10 ? 4000 - round : length(random);
        const std::u32string text =
            samples::withRandomLineBreaks(samples::alphabetText(kCipher, size, random), random);
        if (text.size() > 4000 || cipher::encrypts(kCipher, text)) {
            continue;
        }
        const auto padding = notes::paddingToEncrypt(kCipher, text);
        ASSERT_TRUE(padding.has_value()) << text.size();
        ++padded;
        const std::u32string paddedText = text + padding->characters;
        ASSERT_LE(paddedText.size(), cipher::kMaxTextLength);
        ASSERT_TRUE(cipher::encrypts(kCipher, paddedText));
        EXPECT_EQ(notes::decryptRestoringLineBreaks(kCipher, kCipher.encryptText(paddedText)).text,
                  paddedText);
        EXPECT_EQ(padding->spaces() + padding->others(), padding->characters.size());
        expectFewest(text, padding->characters.size());
        if (6 * padding->characters.size() <= text.size()) {
            expectSpacesWhereverTheyDo(text, *padding);
        }
        if (const auto spaces = notes::spacesToEncrypt(kCipher, text)) {
            EXPECT_LE(padding->characters.size(), *spaces);
        }
    }
    EXPECT_GT(padded, 100);
}

TEST(PaddingToEncrypt, ShortTextsToo) {
    for (const std::u32string text : {U"AB", U"AAAAAAA", U"\r\n", U"a\r\n\r\nb", U"\t"}) {
        ASSERT_FALSE(cipher::encrypts(kCipher, text));
        const auto padding = notes::paddingToEncrypt(kCipher, text);
        ASSERT_TRUE(padding.has_value());
        EXPECT_TRUE(cipher::encrypts(kCipher, text + padding->characters));
        expectFewest(text, padding->characters.size());
    }
}

TEST(PaddingToEncrypt, FillsTheWholeLastRowAtMostAndStaysWithinTheLimit) {
    // Line feeds are all zeros: only a padding that fills the last row helps,
    // one character for every six, which fits up to 4,012 characters.
    const auto most = notes::paddingToEncrypt(kCipher, std::u32string(4012, U'\n'));
    ASSERT_TRUE(most.has_value());
    EXPECT_EQ(most->characters.size(), 669u);
    EXPECT_TRUE(cipher::encrypts(kCipher, std::u32string(4012, U'\n') + most->characters));
    EXPECT_EQ(notes::paddingToEncrypt(kCipher, std::u32string(4013, U'\n')), std::nullopt);
    EXPECT_EQ(notes::paddingToEncrypt(kCipher, std::u32string(4681, U'\n')), std::nullopt);
    EXPECT_THROW((void)notes::paddingToEncrypt(kCipher, std::u32string(4682, U'A')),
                 cipher::TextTooLongError);

    // One place left: a single character. A text of 4,681 that encrypts
    // still does with its last character replaced by one with more ones in
    // its code, so its first 4,680 characters can always be helped.
    std::mt19937 random(43);
    int offered = 0;
    for (int round = 0; round < 20; ++round) {
        auto text = samples::textThatEncrypts(kCipher, 4681, random);
        text.pop_back();
        if (cipher::encrypts(kCipher, text)) {
            continue;
        }
        ++offered;
        const auto padding = notes::paddingToEncrypt(kCipher, text);
        ASSERT_TRUE(padding.has_value());
        EXPECT_EQ(padding->characters.size(), 1u);
        EXPECT_TRUE(cipher::encrypts(kCipher, text + padding->characters));
    }
    EXPECT_GT(offered, 10);
}

TEST(PaddingToEncrypt, PrefersSpacesThenReadableCharacters) {
    const auto padding = notes::paddingToEncrypt(kCipher, U"AB");
    ASSERT_TRUE(padding.has_value());
    EXPECT_EQ(kCipher.encryptText(U"AB" + padding->characters).size(),
              2 + padding->characters.size());
    for (char32_t character : padding->characters) {
        EXPECT_NE(kCipher.alphabetPosition(character), 0);
    }
    const notes::Padding mixed{U" a  ."};
    EXPECT_EQ(mixed.spaces(), 3u);
    EXPECT_EQ(mixed.others(), 2u);
}

TEST(Encrypts, AgreesWithEncryptText) {
    EXPECT_TRUE(cipher::encrypts(kCipher, U"Hello"));
    EXPECT_TRUE(cipher::encrypts(kCipher, U""));
    EXPECT_FALSE(cipher::encrypts(kCipher, U"AB"));
    EXPECT_FALSE(cipher::encrypts(kCipher, std::u32string(4682, U'a')));
    EXPECT_TRUE(cipher::encrypts(kCipher, std::u32string(4681, U'ü')));
}

}  // namespace
