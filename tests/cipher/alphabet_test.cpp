// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <set>
#include <stdexcept>

#include "cipher/text_cipher.h"
#include "sample_texts.h"

namespace {

const cipher::TextCipher kCipher;

TEST(Alphabet, HoldsOneHundredTwentySevenDistinctCharactersThatFindThemselves) {
    std::set<char32_t> seen;
    for (int position = 1; position <= cipher::kAlphabetSize; ++position) {
        const char32_t character = kCipher.alphabetCharacter(position);
        EXPECT_TRUE(seen.insert(character).second) << "repeated at " << position;
        EXPECT_EQ(kCipher.alphabetPosition(character), position);
    }
    EXPECT_EQ(seen.size(), 127u);
}

TEST(Alphabet, PlacesEachCharacterAtItsFixedPosition) {
    const struct {
        char32_t character;
        int position;
    } cases[] = {{U'A', 1},   {U'Z', 26},  {U'a', 27},  {U'z', 52},  {U' ', 53},
                 {U'\'', 54}, {U';', 58},  {U'0', 59},  {U'9', 68},  {U'!', 69},
                 {U'@', 79},  {U'\\', 92}, {U'~', 93},  {U'`', 94},  {U'ù', 95},
                 {U'«', 97},  {U'°', 100}, {U'€', 104}, {U'"', 105}, {U'¿', 107},
                 {U'à', 108}, {U'é', 115}, {U'ñ', 122}, {U'ö', 126}, {U'ü', 127}};
    for (const auto& [character, position] : cases) {
        EXPECT_EQ(kCipher.alphabetPosition(character), position)
            << "U+" << std::hex << static_cast<unsigned>(character);
        EXPECT_EQ(kCipher.alphabetCharacter(position), character) << "position " << position;
    }
}

// Every position, written out in full, as stored cipher texts rely on it:
// two swapped entries would decrypt every one of them wrongly.
TEST(Alphabet, HoldsEveryCharacterInItsStoredOrder) {
    const std::u32string_view stored =
        U"ABCDEFGHIJKLMNOPQRSTUVWXYZ"      // 1 to 26
        U"abcdefghijklmnopqrstuvwxyz"      // 27 to 52
        U" '.,:;"                          // 53 to 58
        U"0123456789"                      // 59 to 68
        U"!?<>(){}[]@#$%^&*-+=_|/\\~`"     // 69 to 94
        U"\u00F9\u00FA\u00AB\u00BB\u00FB"  // 95 to 99: ù ú « » û
        U"\u00B0\u00B1\u00B2\u00B3\u20AC"  // 100 to 104: ° ± ² ³ €
        U"\"\u00A1\u00BF\u00E0\u00E1"      // 105 to 109: " ¡ ¿ à á
        U"\u00E2\u00E4\u00E6\u00E7\u00E8"  // 110 to 114: â ä æ ç è
        U"\u00E9\u00EA\u00EB\u00EC\u00ED"  // 115 to 119: é ê ë ì í
        U"\u00EE\u00EF\u00F1\u00F2\u00F3"  // 120 to 124: î ï ñ ò ó
        U"\u00F4\u00F6\u00FC";             // 125 to 127: ô ö ü
    ASSERT_EQ(stored.size(), 127u);
    for (int position = 1; position <= cipher::kAlphabetSize; ++position) {
        const char32_t expected = stored[static_cast<std::size_t>(position - 1)];
        EXPECT_EQ(kCipher.alphabetCharacter(position), expected) << "position " << position;
        EXPECT_EQ(kCipher.alphabetPosition(expected), position) << "position " << position;
    }
}

TEST(Alphabet, GivesPositionZeroToEveryCharacterOutsideIt) {
    for (char32_t character : samples::outsideCharacters()) {
        EXPECT_EQ(kCipher.alphabetPosition(character), 0)
            << "U+" << std::hex << static_cast<unsigned>(character);
    }
    // Near misses: capitals of accented letters in the alphabet, and Latin-1
    // letters the alphabet leaves out.
    for (char32_t character : std::u32string(U"ÉÀÜãåðõøýþÿ£¥§")) {
        EXPECT_EQ(kCipher.alphabetPosition(character), 0)
            << "U+" << std::hex << static_cast<unsigned>(character);
    }
}

TEST(Alphabet, RefusesPositionsOutsideOneTo127) {
    for (int position : {-1, 0, 128, 1000}) {
        EXPECT_THROW((void)kCipher.alphabetCharacter(position), std::out_of_range) << position;
    }
}

}  // namespace
