// SPDX-License-Identifier: MIT
#include "notes/outlook.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

#include "cipher/text_cipher.h"
#include "cipher/zero_groups.h"
#include "notes/note_encryption.h"
#include "notes/outside_characters.h"
#include "notes/padding.h"
#include "notes/plain_forms.h"
#include "notes/recovered_text.h"
#include "notes/text_length.h"

namespace {

const cipher::TextCipher kCipher;
using Verdict = notes::Outlook::Verdict;

TEST(Outlook, SaysWhatEncryptTextWillDo) {
    const auto asItIs = notes::outlookOf(kCipher, U"Hello");
    EXPECT_EQ(asItIs.verdict, Verdict::AsItIs);
    EXPECT_EQ(asItIs.added, 0u);
    EXPECT_EQ(asItIs.length.characters, 5u);

    const auto withEnding = notes::outlookOf(kCipher, U"AB");
    EXPECT_EQ(withEnding.verdict, Verdict::WithEnding);
    EXPECT_EQ(withEnding.added, notes::encryptNote(kCipher, U"AB").cipherText.size() - 2);
    EXPECT_EQ(withEnding.pieces, 1u);

    // Past the cipher's limit a note goes in pieces, up to the note's own limit.
    const auto long_ = notes::outlookOf(kCipher, std::u32string(4682, U'a'));
    EXPECT_EQ(long_.verdict, Verdict::InPieces);
    EXPECT_EQ(long_.length.excess(), 1u);
    const auto tooLong = notes::outlookOf(kCipher, std::u32string(notes::kMaxNoteLength + 1, U'a'));
    EXPECT_EQ(tooLong.verdict, Verdict::TooLong);
    EXPECT_EQ(tooLong.length.excessOverNote(), 1u);

    std::u32string lineBreaks;
    for (int count = 0; count < 2340; ++count) {
        lineBreaks += U"\r\n";
    }
    EXPECT_EQ(notes::outlookOf(kCipher, lineBreaks).verdict, Verdict::InPieces);
    EXPECT_EQ(notes::outlookOf(kCipher, std::u32string(4681, U'ü')).verdict, Verdict::AsItIs);
}

TEST(Outlook, CountsCodesAgainstTheLimit) {
    // "&szlig;" is seven characters, six more than the ß it stands for.
    const auto atLimit = notes::outlookOf(kCipher, U"ß" + std::u32string(4674, U'a'));
    EXPECT_EQ(atLimit.length.characters, 4681u);
    EXPECT_EQ(atLimit.length.addedByCodes, 6u);
    EXPECT_EQ(atLimit.length.asTyped(), 4675u);
    EXPECT_TRUE(atLimit.length.fits());
    const auto over = notes::outlookOf(kCipher, U"ß" + std::u32string(4675, U'a'));
    EXPECT_EQ(over.length.excess(), 1u);
    EXPECT_EQ(over.pieces, 0u);
}

TEST(Outlook, NamesTheCodedCharactersAndWhetherPlainFormsHelp) {
    const auto quoted = notes::outlookOf(kCipher, U"It\u2019s\tÉ\r\n");
    EXPECT_EQ(quoted.codes.count, 3u);
    EXPECT_EQ(quoted.codes.addedLength, 16u);  // &rsquo; &#9; &Eacute;
    EXPECT_EQ(quoted.length.characters, 24u);
    EXPECT_EQ(quoted.length.lineBreaks, 1u);
    EXPECT_EQ(quoted.length.asTyped(), 7u);
    EXPECT_TRUE(quoted.plainFormsHelp);
    const auto accented = notes::outlookOf(kCipher, U"\tÉ");
    EXPECT_EQ(accented.codes.count, 2u);
    EXPECT_FALSE(accented.plainFormsHelp);
    const auto plain = notes::outlookOf(kCipher, U"Tom & Jerry\r\n");
    EXPECT_FALSE(plain.codes.any());
    EXPECT_EQ(plain.length.addedByCodes, 0u);
}

TEST(PlainForms, ReplaceTypographicCharactersByAlphabetLookAlikes) {
    // Every entry of the table, and nothing else below U+3100.
    const std::pair<char32_t, std::u32string_view> table[] = {
        {0x00A0, U" "},  {0x00B4, U"'"},  {0x2002, U" "},   {0x2003, U" "}, {0x2004, U" "},
        {0x2005, U" "},  {0x2006, U" "},  {0x2007, U" "},   {0x2008, U" "}, {0x2009, U" "},
        {0x200A, U" "},  {0x2010, U"-"},  {0x2011, U"-"},   {0x2012, U"-"}, {0x2013, U"-"},
        {0x2014, U"-"},  {0x2018, U"'"},  {0x2019, U"'"},   {0x201A, U"'"}, {0x201C, U"\""},
        {0x201D, U"\""}, {0x201E, U"\""}, {0x2026, U"..."}, {0x202F, U" "}, {0x2032, U"'"},
        {0x2033, U"\""}, {0x2212, U"-"},  {0x3000, U" "}};
    std::size_t found = 0;
    for (char32_t character = 0; character <= 0x3100; ++character) {
        const auto plain = notes::plainForm(character);
        const auto entry =
            std::find_if(std::begin(table), std::end(table),
                         [character](const auto& e) { return e.first == character; });
        if (entry == std::end(table)) {
            EXPECT_EQ(plain, std::nullopt) << std::hex << static_cast<unsigned>(character);
        } else {
            ++found;
            EXPECT_EQ(plain, entry->second) << std::hex << static_cast<unsigned>(character);
        }
    }
    EXPECT_EQ(found, std::size(table));
    EXPECT_EQ(notes::withPlainForms(U"\u201CIt\u2019s\u2026 fine\u201D \u2013 ok\u00A0!"),
              U"\"It's... fine\" - ok !");
    for (const char32_t kept : {U'É', U'\t', U'\n', U'ß', U'a', U'\''}) {
        EXPECT_EQ(notes::plainForm(kept), std::nullopt);
    }
}

TEST(PlainForms, AreMadeOfAlphabetCharactersForCharactersOutsideIt) {
    for (char32_t character = 0; character < 0x3100; ++character) {
        const auto plain = notes::plainForm(character);
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
