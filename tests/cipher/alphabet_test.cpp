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
