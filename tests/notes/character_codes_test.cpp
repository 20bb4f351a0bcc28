// SPDX-License-Identifier: MIT
#include "notes/character_codes.h"

#include <gtest/gtest.h>

#include <random>
#include <tuple>

#include "cipher/text_cipher.h"
#include "notes/named_codes.h"
#include "sample_texts.h"

namespace {

const cipher::TextCipher kCipher;

TEST(CharacterCodes, AreHtmlNamesWhereHtml4HasOneAndDecimalCodePointsElse) {
    const std::pair<char32_t, std::u32string_view> codes[] = {
        {U'ß', U"&szlig;"},      {U'Ä', U"&Auml;"},       {U'É', U"&Eacute;"},
        {U'é', U"&eacute;"},     {U'œ', U"&oelig;"},      {U'ã', U"&atilde;"},
        {U'õ', U"&otilde;"},     {U'&', U"&amp;"},        {0x00A0, U"&nbsp;"},
        {0x2019, U"&rsquo;"},    {0x2026, U"&hellip;"},   {0x20AC, U"&euro;"},
        {0x03D1, U"&thetasym;"}, {U'\t', U"&#9;"},        {U'\r', U"&#13;"},
        {U'\n', U"&#10;"},       {0x1F600, U"&#128512;"}, {0x0001, U"&#1;"},
        {0x0152, U"&OElig;"},    {0x2665, U"&hearts;"},   {0x2666, U"&diams;"},
        {0x2667, U"&#9831;"},    {0x0021, U"&#33;"},      {0x10FFFF, U"&#1114111;"},
        {0xD7FF, U"&#55295;"},   {0xE000, U"&#57344;"},   {0xFFFD, U"&#65533;"},
    };
    for (const auto& [character, code] : codes) {
        EXPECT_EQ(notes::codeFor(character), code) << static_cast<unsigned>(character);
    }
    // No code stands for these: they travel as the replacement mark.
    const char32_t noCode[] = {0x0000, 0xD800, 0xDFFF, 0x110000, 0xFFFFFFFF};
    for (const char32_t character : noCode) {
        EXPECT_EQ(notes::codeFor(character), U"&#65533;") << static_cast<unsigned>(character);
    }
}

TEST(CharacterCodes, EveryHtml4NameStandsForOneCharacterBothWays) {
    std::size_t names = 0;
    for (char32_t character = 0; character < 0x10000; ++character) {
        const auto name = notes::detail::nameOf(character);
        if (name) {
            ++names;
            EXPECT_EQ(notes::detail::characterNamed(*name), character) << *name;
        }
    }
    EXPECT_EQ(names, 252u);
    EXPECT_EQ(notes::detail::characterNamed("quot"), U'"');
    EXPECT_EQ(notes::detail::characterNamed("zwnj"), U'\u200C');
    EXPECT_EQ(notes::detail::characterNamed("SZLIG"), std::nullopt);
    EXPECT_EQ(notes::detail::characterNamed("szli"), std::nullopt);
    EXPECT_EQ(notes::detail::characterNamed(""), std::nullopt);
}

TEST(CharacterCodes, NoteReachesTheCipherWithCodesOnlyWhereItNeedsThem) {
    const std::pair<std::u32string_view, std::u32string_view> notes[] = {
        // Needs none: exactly as it stands.
        {U"Hello", U"Hello"},
        {U"Tom & Jerry\r\nline two", U"Tom & Jerry\r\nline two"},
        {U"write &amp; for &", U"write &amp; for &"},
        {U"&lt;p&gt; and &#65;", U"&lt;p&gt; and &#65;"},
        {U"&amp;", U"&amp;"},
        {U"&szlig", U"&szlig"},
        // Outside characters, and every & with them.
        {U"Straße", U"Stra&szlig;e"},
        {U"Tom & Jerry ß", U"Tom &amp; Jerry &szlig;"},
        {U"a\tb\U0001F600", U"a&#9;b&#128512;"},
        {U"a\rb\nc\r\r\nd", U"a&#13;b&#10;c&#13;\r\nd"},
        {U"\t9;", U"&#9;9;"},
        // Already reads as coded, so its & are written as codes too.
        {U"&Eacute;cole", U"&amp;Eacute;cole"},
        {U"&#9;", U"&amp;#9;"},
        {U"&amp;lt;", U"&amp;amp;lt;"},
    };
    for (const auto& [note, coded] : notes) {
        EXPECT_EQ(notes::withCodes(kCipher, note), coded);
        EXPECT_EQ(notes::needsCodes(kCipher, note), note != coded);
        EXPECT_EQ(notes::readsAsCoded(kCipher, coded), note != coded);
        if (note != coded) {
            EXPECT_EQ(notes::readCodesBack(coded).text, note);
        }
    }
}

TEST(CharacterCodes, ReadAsCodedOnlyWhenEveryAmpersandBeginsOne) {
    const std::pair<std::u32string_view, bool> texts[] = {
        {U"", false},
        {U"no ampersand", false},
        {U"&szlig;", true},
        {U"&szlig", false},
        {U"&SZLIG;", false},
        {U"&szlig; &", false},
        {U"& &szlig;", false},
        {U"&eacute;", false},  // é is in the alphabet
        {U"&#;", false},
        {U"&#x41;", false},
        {U"&#9", false},
        {U"&#9;", true},
        {U"&#09;", true},
        {U"&#1114111;", true},
        {U"&#0001114111;", true},
        {U"&#55295;", true},
        {U"&#57344;", true},
        // Codes for no character are no codes: NUL, surrogates, past U+10FFFF.
        {U"&#0;", false},
        {U"&#0000000000;", false},
        {U"&#55296;", false},
        {U"&#57343;", false},
        {U"&#1114112;", false},
        {U"&#4294967296;", false},
        {U"&#12345678901;", false},
        {U"&thetasym;", true},
        {U"&thetasymx;", false},
        {U"&amp;", false},
        {U"&amp;amp;", true},
        {U"&amp;#9;", true},
        {U"&amp;eacute;", true},
        {U"&amp;x", false},
        {U"&amp;&szlig;", true},
    };
    for (const auto& [text, coded] : texts) {
        EXPECT_EQ(notes::readsAsCoded(kCipher, text), coded)
            << std::string(text.begin(), text.end());
    }
}

TEST(CharacterCodes, AmpersandsAreCountedByHowTheyRead) {
    const std::tuple<std::u32string_view, std::size_t, std::size_t> texts[] = {
        {U"&szlig;&#9;&eacute;", 0, 2},
        {U"& &x; &szlig;", 2, 1},
        {U"&amp;szlig; &amp;#9; &amp;&szlig; &amp;", 0, 3},
    };
    for (const auto& [text, bare, telling] : texts) {
        const auto reading = notes::readAmpersands(kCipher, text);
        EXPECT_EQ(reading.bare, bare) << std::string(text.begin(), text.end());
        EXPECT_EQ(reading.telling, telling) << std::string(text.begin(), text.end());
    }
}

TEST(CharacterCodes, ReadingBackCountsTheCodesAndLeavesTheRest) {
    const auto read =
        notes::readCodesBack(U"&amp;szlig; &Auml;&#128512;& &x; &#9 &#0; &#55296; &#1114112;");
    EXPECT_EQ(read.text, U"&szlig; Ä\U0001F600& &x; &#9 &#0; &#55296; &#1114112;");
    EXPECT_EQ(read.codes, 3u);
}

TEST(CharacterCodes, ListTheCharactersThatTravelAsCodesWithWhatTheyAdd) {
    const auto coded = notes::codedCharacters(kCipher, U"ß & ß\t\r\n");
    EXPECT_EQ(coded.count, 4u);
    EXPECT_EQ(coded.addedLength, 6u + 4u + 6u + 3u);
    const std::vector<notes::CodedCharacter> kinds = {
        {U'ß', 2, U"&szlig;"}, {U'&', 1, U"&amp;"}, {U'\t', 1, U"&#9;"}};
    EXPECT_EQ(coded.kinds, kinds);
    EXPECT_FALSE(notes::codedCharacters(kCipher, U"Tom & Jerry\r\n").any());
    EXPECT_TRUE(notes::travelsAsCode(kCipher, U'&', true));
    EXPECT_FALSE(notes::travelsAsCode(kCipher, U'&', false));
    EXPECT_FALSE(notes::travelsAsCode(kCipher, U'ß', false));
    EXPECT_TRUE(notes::travelsAsCode(kCipher, U'ß', true));
    EXPECT_FALSE(notes::travelsAsCode(kCipher, U'a', true));
}

// Pieces that make codes, half codes and characters that need them.
std::u32string codeLikeText(std::mt19937& random, std::size_t pieces) {
    static const std::u32string_view kPieces[] = {
        U"&",       U"amp;", U"#9;",     U"#",     U"9",  U";",          U"szlig;",
        U"Eacute;", U"lt;",  U"eacute;", U"ß",     U"\t", U"a",          U" ",
        U"\r\n",    U"\r",   U"\n",      U"&amp;", U"&#", U"\U0001F600", U"É"};
    std::uniform_int_distribution<std::size_t> pick(0, std::size(kPieces) - 1);
    std::u32string text;
    for (std::size_t piece = 0; piece < pieces; ++piece) {
        text += kPieces[pick(random)];
    }
    return text;
}

// The note as it comes back: what no code stands for as the replacement mark.
std::u32string withoutNonCharacters(std::u32string note) {
    for (char32_t& character : note) {
        if (character == 0 || (character >= 0xD800 && character <= 0xDFFF) ||
            character > 0x10FFFF) {
            character = 0xFFFD;
        }
    }
    return note;
}

TEST(CharacterCodes, EveryNoteComesBackExactlyButWhatNoCodeStandsFor) {
    std::mt19937 random(61);
    const std::u32string& outside = samples::outsideCharacters();
    std::uniform_int_distribution<std::size_t> pickOutside(0, outside.size() - 1);
    std::uniform_int_distribution<int> length(0, 40);
    for (int round = 0; round < 20000; ++round) {
        std::u32string note = codeLikeText(random, static_cast<std::size_t>(length(random)));
        if (round % 2 == 0) {
            note += outside[pickOutside(random)];
        }
        const std::u32string coded = notes::withCodes(kCipher, note);
        ASSERT_EQ(notes::readsAsCoded(kCipher, coded), notes::needsCodes(kCipher, note));
        const std::u32string back =
            notes::readsAsCoded(kCipher, coded) ? notes::readCodesBack(coded).text : coded;
        ASSERT_EQ(back, withoutNonCharacters(note));
        for (char32_t character : coded) {
            ASSERT_TRUE(kCipher.alphabetPosition(character) != 0 || character == U'\r' ||
                        character == U'\n');
        }
    }
}

}  // namespace
