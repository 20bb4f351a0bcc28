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

// A random text over the alphabet with a line break (CR LF) at about every
// tenth place, blank lines and line breaks at either end included.
std::u32string noteWithLineBreaks(std::size_t length, std::mt19937& random) {
    std::u32string note = samples::alphabetText(kCipher, length, random);
    std::uniform_int_distribution<int> chance(0, 9);
    std::u32string withBreaks;
    for (char32_t character : note) {
        if (chance(random) == 0) {
            withBreaks += U"\r\n";
        }
        withBreaks += character;
    }
    return withBreaks;
}

std::u32string encryptable(const std::u32string& text) {
    return samples::encryptableWithoutCodes(kCipher, text);
}

TEST(DecryptRestoringLineBreaks, GivesEveryNoteBackWithItsLineBreaks) {
    std::mt19937 random(31);
    std::uniform_int_distribution<std::size_t> length(1, 3000);
    for (int round = 0; round < 300; ++round) {
        std::u32string note = noteWithLineBreaks(length(random), random);
        if (round % 3 == 0) {
            note += U"\r\n";
        }
        if (round % 5 == 0) {
            note.insert(0, U"\r\n\r\n");
        }
        const std::u32string text = encryptable(note);
        ASSERT_FALSE(text.empty()) << note.size();
        const auto recovered =
            notes::decryptRestoringLineBreaks(kCipher, kCipher.encryptText(text));
        ASSERT_EQ(recovered.text, text);
        ASSERT_TRUE(recovered.complete());
        ASSERT_EQ(recovered.lineBreaks, notes::countLineBreaks(text));
    }
}

TEST(DecryptRestoringLineBreaks, ReadsTheInitialTextsCipherTextWhole) {
    const auto recovered = notes::decryptRestoringLineBreaks(kCipher, U"Tb9vîf");
    EXPECT_EQ(recovered.text, U"Text\r\n");
    EXPECT_EQ(recovered.lineBreaks, 1u);
    EXPECT_EQ(recovered.marks, 0u);
}

TEST(DecryptRestoringLineBreaks, PutsTheMarkOfAnOddRunAtItsEnd) {
    const struct {
        std::u32string text;
        std::u32string expected;
        std::size_t lineBreaks;
        std::size_t marks;
    } cases[] = {
        {U"ab\tcd", U"ab\uFFFDcd", 0, 1},
        {U"line\r\n\tindented", U"line\r\n\uFFFDindented", 1, 1},
        {U"smileÉ\r\nnext", U"smile\r\n\uFFFDnext", 1, 1},
        {U"two\r\n\r\nÉend", U"two\r\n\r\n\uFFFDend", 2, 1},
        {U"\tstart", U"\uFFFDstart", 0, 1},
        {U"end\t\t", U"end\r\n", 1, 0},  // two lost characters read as a line break
        {U"end\t\t\t", U"end\r\n\uFFFD", 1, 1},
    };
    for (const auto& example : cases) {
        const std::u32string text = encryptable(example.text);
        ASSERT_FALSE(text.empty());
        const std::u32string padding = text.substr(example.text.size());
        const auto recovered =
            notes::decryptRestoringLineBreaks(kCipher, kCipher.encryptText(text));
        EXPECT_EQ(recovered.text, example.expected + padding);
        EXPECT_EQ(recovered.lineBreaks, example.lineBreaks);
        EXPECT_EQ(recovered.marks, example.marks);
        EXPECT_EQ(recovered.complete(), example.marks == 0);
    }
}

TEST(DecryptRestoringLineBreaks, AgreesWithDecryptTextWhereverThatSucceeds) {
    std::mt19937 random(37);
    for (int round = 0; round < 500; ++round) {
        const auto cipherText = samples::alphabetText(kCipher, 1 + round % 40, random);
        if (!cipher::encrypts(kCipher, notes::decryptTextLeniently(kCipher, cipherText))) {
            continue;
        }
        const auto recovered = notes::decryptRestoringLineBreaks(kCipher, cipherText);
        try {
            ASSERT_EQ(recovered.text, kCipher.decryptText(cipherText));
            ASSERT_EQ(recovered.lineBreaks, 0u);
        } catch (const cipher::ZeroGroupError&) {
            ASSERT_GT(recovered.lineBreaks + recovered.marks, 0u);
        }
    }
    EXPECT_TRUE(notes::decryptRestoringLineBreaks(kCipher, U"").text.empty());
    EXPECT_THROW((void)notes::decryptRestoringLineBreaks(kCipher, std::u32string(4682, U'a')),
                 cipher::TextTooLongError);
}

TEST(AlphabetOnly, DropsEveryCharacterOutsideTheAlphabetAndNothingElse) {
    EXPECT_EQ(notes::alphabetOnly(kCipher, U"\r\nab\tc É\r\n"), U"abc ");
    EXPECT_EQ(notes::alphabetOnly(kCipher, U"ZST=q"), U"ZST=q");
    EXPECT_EQ(notes::alphabetOnly(kCipher, U"\r\n"), U"");
}

TEST(TextLength, CountsLineBreaksTwiceForTheCipherAndOnceForTheUser) {
    const auto length = notes::measureText(U"a\r\nb\r\n\r\nc\r");
    EXPECT_EQ(length.characters, 10u);
    EXPECT_EQ(length.lineBreaks, 3u);
    EXPECT_EQ(length.asTyped(), 7u);
    EXPECT_TRUE(notes::measureText(std::u32string(4681, U'a')).fits());
    EXPECT_EQ(notes::measureText(std::u32string(4681, U'a')).excess(), 0u);
    EXPECT_FALSE(notes::measureText(std::u32string(4682, U'a')).fits());
    EXPECT_EQ(notes::measureText(std::u32string(4690, U'a')).excess(), 9u);
}

}  // namespace
