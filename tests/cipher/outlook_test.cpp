// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "cipher/plain_forms.h"
#include "cipher/text_cipher.h"

namespace {

const cipher::TextCipher kCipher;
using Verdict = cipher::Outlook::Verdict;

TEST(Outlook, SaysWhatEncryptTextWillDo) {
    const auto asItIs = kCipher.outlook(U"Hello");
    EXPECT_EQ(asItIs.verdict, Verdict::AsItIs);
    EXPECT_FALSE(asItIs.padding.has_value());
    EXPECT_EQ(asItIs.length.characters, 5u);

    const auto padded = kCipher.outlook(U"AB");
    EXPECT_EQ(padded.verdict, Verdict::NeedsPadding);
    ASSERT_TRUE(padded.padding.has_value());
    EXPECT_EQ(padded.padding->characters, kCipher.paddingToEncrypt(U"AB")->characters);

    const auto tooLong = kCipher.outlook(std::u32string(4682, U'a'));
    EXPECT_EQ(tooLong.verdict, Verdict::TooLong);
    EXPECT_EQ(tooLong.length.excess(), 1u);

    EXPECT_EQ(kCipher.outlook(std::u32string(4681, U'\n')).verdict, Verdict::CannotBePadded);
    EXPECT_EQ(kCipher.outlook(std::u32string(4681, U'ü')).verdict, Verdict::AsItIs);
}

TEST(Outlook, NamesTheLostCharactersAndWhetherPlainFormsHelp) {
    const auto quoted = kCipher.outlook(U"It\u2019s\tÉ\r\n");
    EXPECT_EQ(quoted.lost.count, 3u);
    EXPECT_EQ(quoted.lost.lineBreaks, 1u);
    EXPECT_TRUE(quoted.plainFormsHelp);
    const auto accented = kCipher.outlook(U"\tÉ");
    EXPECT_EQ(accented.lost.count, 2u);
    EXPECT_FALSE(accented.plainFormsHelp);
}

TEST(PlainForms, ReplaceTypographicCharactersByAlphabetLookAlikes) {
    const struct {
        char32_t character;
        std::u32string_view plain;
    } table[] = {{0x2018, U"'"},  {0x2019, U"'"}, {0x201A, U"'"}, {0x201C, U"\""},  {0x201D, U"\""},
                 {0x201E, U"\""}, {0x2013, U"-"}, {0x2014, U"-"}, {0x2026, U"..."}, {0x00A0, U" "},
                 {0x202F, U" "},  {0x2009, U" "}, {0x2212, U"-"}, {0x3000, U" "}};
    for (const auto& entry : table) {
        EXPECT_EQ(cipher::plainForm(entry.character), entry.plain)
            << std::hex << static_cast<unsigned>(entry.character);
    }
    EXPECT_EQ(cipher::withPlainForms(U"\u201CIt\u2019s\u2026 fine\u201D \u2013 ok\u00A0!"),
              U"\"It's... fine\" - ok !");
    for (const char32_t kept : {U'É', U'\t', U'\n', U'ß', U'a', U'\''}) {
        EXPECT_EQ(cipher::plainForm(kept), std::nullopt);
    }
}

TEST(PlainForms, AreMadeOfAlphabetCharactersForCharactersOutsideIt) {
    for (char32_t character = 0; character < 0x3100; ++character) {
        const auto plain = cipher::plainForm(character);
        if (!plain) {
            continue;
        }
        EXPECT_EQ(kCipher.alphabetPosition(character), 0)
            << std::hex << static_cast<unsigned>(character);
        for (char32_t replacement : *plain) {
            EXPECT_NE(kCipher.alphabetPosition(replacement), 0);
        }
    }
}

}  // namespace
