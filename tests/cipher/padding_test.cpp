// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <random>

#include "cipher/text_cipher.h"
#include "sample_texts.h"

namespace {

const cipher::TextCipher kCipher;

std::u32string withLineBreaks(std::u32string text, std::mt19937& random) {
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

// Fewest: the same count less one cannot help even as all ones ("ü" is
// position 127, seven ones), which sets every digit any padding could.
void expectFewest(const std::u32string& text, std::size_t added) {
    if (added > 1) {
        EXPECT_FALSE(kCipher.encrypts(text + std::u32string(added - 1, U'ü'))) << added;
    }
}

// Spaces preferred: no character but a space can become one.
void expectSpacesWhereverTheyDo(const std::u32string& text, const cipher::Padding& padding) {
    for (std::size_t at = 0; at < padding.characters.size(); ++at) {
        if (padding.characters[at] == U' ') {
            continue;
        }
        std::u32string spaced = padding.characters;
        spaced[at] = U' ';
        EXPECT_FALSE(kCipher.encrypts(text + spaced)) << "character " << at << " could be a space";
    }
}

TEST(PaddingToEncrypt, HelpsEveryTextOfUpTo4000CharactersWithTheFewestCharacters) {
    std::mt19937 random(41);
    std::uniform_int_distribution<std::size_t> length(2, 4000);
    int padded = 0;
    for (int round = 0; round < 150; ++round) {
        const std::size_t size = round < 10 ? 4000 - round : length(random);
        const std::u32string text =
            withLineBreaks(samples::alphabetText(kCipher, size, random), random);
        if (text.size() > 4000 || kCipher.encrypts(text)) {
            continue;
        }
        const auto padding = kCipher.paddingToEncrypt(text);
        ASSERT_TRUE(padding.has_value()) << text.size();
        ++padded;
        const std::u32string paddedText = text + padding->characters;
        ASSERT_LE(paddedText.size(), cipher::kMaxTextLength);
        ASSERT_TRUE(kCipher.encrypts(paddedText));
        EXPECT_EQ(kCipher.decryptRestoringLineBreaks(kCipher.encryptText(paddedText)).text,
                  paddedText);
        EXPECT_EQ(padding->spaces() + padding->others(), padding->characters.size());
        expectFewest(text, padding->characters.size());
        if (6 * padding->characters.size() <= text.size()) {
            expectSpacesWhereverTheyDo(text, *padding);
        }
        if (const auto spaces = kCipher.spacesToEncrypt(text)) {
            EXPECT_LE(padding->characters.size(), *spaces);
        }
    }
    EXPECT_GT(padded, 100);
}

TEST(PaddingToEncrypt, ShortTextsToo) {
    for (const std::u32string text : {U"AB", U"AAAAAAA", U"\r\n", U"a\r\n\r\nb", U"\t"}) {
        ASSERT_FALSE(kCipher.encrypts(text));
        const auto padding = kCipher.paddingToEncrypt(text);
        ASSERT_TRUE(padding.has_value());
        EXPECT_TRUE(kCipher.encrypts(text + padding->characters));
        expectFewest(text, padding->characters.size());
    }
}

TEST(PaddingToEncrypt, FillsTheWholeLastRowAtMostAndStaysWithinTheLimit) {
    // Line feeds are all zeros: only a padding that fills the last row helps,
    // one character for every six, which fits up to 4,012 characters.
    const auto most = kCipher.paddingToEncrypt(std::u32string(4012, U'\n'));
    ASSERT_TRUE(most.has_value());
    EXPECT_EQ(most->characters.size(), 669u);
    EXPECT_TRUE(kCipher.encrypts(std::u32string(4012, U'\n') + most->characters));
    EXPECT_EQ(kCipher.paddingToEncrypt(std::u32string(4013, U'\n')), std::nullopt);
    EXPECT_EQ(kCipher.paddingToEncrypt(std::u32string(4681, U'\n')), std::nullopt);
    EXPECT_THROW((void)kCipher.paddingToEncrypt(std::u32string(4682, U'A')),
                 cipher::TextTooLongError);

    // One place left: a single character. A text of 4,681 that encrypts
    // still does with its last character replaced by one with more ones in
    // its code, so its first 4,680 characters can always be helped.
    std::mt19937 random(43);
    int offered = 0;
    for (int round = 0; round < 20; ++round) {
        auto text = samples::textThatEncrypts(kCipher, 4681, random);
        text.pop_back();
        if (kCipher.encrypts(text)) {
            continue;
        }
        ++offered;
        const auto padding = kCipher.paddingToEncrypt(text);
        ASSERT_TRUE(padding.has_value());
        EXPECT_EQ(padding->characters.size(), 1u);
        EXPECT_TRUE(kCipher.encrypts(text + padding->characters));
    }
    EXPECT_GT(offered, 10);
}

TEST(PaddingToEncrypt, PrefersSpacesThenReadableCharacters) {
    const auto padding = kCipher.paddingToEncrypt(U"AB");
    ASSERT_TRUE(padding.has_value());
    EXPECT_EQ(kCipher.encryptText(U"AB" + padding->characters).size(),
              2 + padding->characters.size());
    for (char32_t character : padding->characters) {
        EXPECT_NE(kCipher.alphabetPosition(character), 0);
    }
    const cipher::Padding mixed{U" a  ."};
    EXPECT_EQ(mixed.spaces(), 3u);
    EXPECT_EQ(mixed.others(), 2u);
}

TEST(Encrypts, AgreesWithEncryptText) {
    EXPECT_TRUE(kCipher.encrypts(U"Hello"));
    EXPECT_TRUE(kCipher.encrypts(U""));
    EXPECT_FALSE(kCipher.encrypts(U"AB"));
    EXPECT_FALSE(kCipher.encrypts(std::u32string(4682, U'a')));
    EXPECT_TRUE(kCipher.encrypts(std::u32string(4681, U'ü')));
}

}  // namespace
