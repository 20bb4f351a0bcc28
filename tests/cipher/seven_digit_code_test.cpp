// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "cipher/text_cipher.h"

namespace {

const cipher::TextCipher kCipher;

TEST(SevenDigitCode, AddencryptAppendsThePositionMostSignificantDigitFirst) {
    const struct {
        char32_t character;
        const char* code;
    } cases[] = {{U'A', "0000001"},  {U'H', "0001000"}, {U'a', "0011011"},
                 {U'¿', "1101011"},  {U'ü', "1111111"}, {U'\r', "0000000"},
                 {U'\n', "0000000"}, {U'É', "0000000"}, {U'€', "1101000"}};
    for (const auto& [character, code] : cases) {
        std::string bits;
        kCipher.addencrypt(character, bits);
        EXPECT_EQ(bits, code) << "U+" << std::hex << static_cast<unsigned>(character);
    }
}

TEST(SevenDigitCode, AddencryptKeepsWhatTheAccumulatorHolds) {
    std::string bits = "0000001";
    kCipher.addencrypt(U'a', bits);
    EXPECT_EQ(bits, "00000010011011");
}

TEST(SevenDigitCode, AdddecryptAppendsTheCharacterOfTheGroupAtStart) {
    const std::string bits = "000100001110011111111";
    std::u32string text = U"x";
    kCipher.adddecrypt(1, text, bits);
    kCipher.adddecrypt(8, text, bits);
    kCipher.adddecrypt(15, text, bits);
    EXPECT_EQ(text, U"xH:ü");
}

TEST(SevenDigitCode, AdddecryptReportsAZeroGroupByItsNumberAndAppendsNothing) {
    const std::string bits = "00000010000000";
    std::u32string text = U"A";
    try {
        kCipher.adddecrypt(8, text, bits);
        FAIL() << "a zero group must not decode";
    } catch (const cipher::ZeroGroupError& error) {
        EXPECT_EQ(error.group(), 2u);
    }
    EXPECT_EQ(text, U"A");
}

TEST(SevenDigitCode, AdddecryptRefusesGroupsOutsideTheBitsOrNotMadeOfDigits) {
    std::u32string text;
    const std::string bits = "00000010000011";
    // Refused for its place, before any digit is read: a start of 0 would
    // otherwise read the byte before the bit string.
    for (std::int16_t start : std::initializer_list<std::int16_t>{-1, 0, 9, 14, 32767}) {
        try {
            kCipher.adddecrypt(start, text, bits);
            ADD_FAILURE() << "start " << start << " was accepted";
        } catch (const std::invalid_argument& error) {
            EXPECT_NE(std::string(error.what())
                          .find("no group of seven digits starts at position " +
                                std::to_string(start) + " "),
                      std::string::npos)
                << error.what();
        }
    }
    // The first and last groups are in range.
    kCipher.adddecrypt(1, text, bits);
    kCipher.adddecrypt(8, text, bits);
    EXPECT_EQ(text, U"AC");
    text.clear();
    EXPECT_THROW(kCipher.adddecrypt(1, text, "00000a1"), std::invalid_argument);
    EXPECT_THROW(kCipher.adddecrypt(1, text, "000001"), std::invalid_argument);
    EXPECT_TRUE(text.empty());
}

TEST(SevenDigitCode, EncodeAndDecodeAreInverseOverTheAlphabet) {
    EXPECT_EQ(kCipher.encodeText(U""), "");
    EXPECT_EQ(kCipher.decodeGroups(""), U"");
    EXPECT_EQ(kCipher.encodeText(U"abc"), "001101100111000011101");
    EXPECT_EQ(kCipher.decodeGroups("001101100111000011101"), U"abc");
}

TEST(SevenDigitCode, EveryCodeDecodesInTheMiddleAndAtTheEnd) {
    std::u32string alphabet;
    for (int position = 1; position <= cipher::kAlphabetSize; ++position) {
        alphabet += kCipher.alphabetCharacter(position);
    }
    const std::u32string reversed(alphabet.rbegin(), alphabet.rend());
    for (const std::u32string& text : {alphabet, reversed}) {
        const std::string bits = kCipher.encodeText(text);
        ASSERT_EQ(bits.size(), 127u * 7);
        EXPECT_EQ(kCipher.decodeGroups(bits), text);
        for (std::size_t last = 0; last < text.size(); ++last) {
            ASSERT_EQ(kCipher.decodeGroups(std::string_view(bits).substr(0, 7 * (last + 1))),
                      text.substr(0, last + 1));
        }
    }
}

TEST(SevenDigitCode, DecodeGroupsNamesTheFirstZeroGroup) {
    try {
        (void)kCipher.decodeGroups("0000001000000000000000000000");
        FAIL() << "a zero group must not decode";
    } catch (const cipher::ZeroGroupError& error) {
        EXPECT_EQ(error.group(), 2u);
        EXPECT_NE(std::string(error.what()).find("group 2 "), std::string::npos) << error.what();
    }
}

TEST(SevenDigitCode, DecodeGroupsRefusesStringsThatAreNoBitString) {
    const std::string notBitStrings[] = {
        "000001",                    // one digit short
        "00000010",                  // one digit over
        "000000x",                   // not a digit
        std::string("000000\0", 7),  // NUL in place of a digit
        "0000001 000001",            // a space
        std::string(32774, '1'),     // 4,682 groups: over the limit
    };
    for (const std::string& bits : notBitStrings) {
        EXPECT_THROW((void)kCipher.decodeGroups(bits), std::invalid_argument) << bits.substr(0, 20);
    }
}

}  // namespace
