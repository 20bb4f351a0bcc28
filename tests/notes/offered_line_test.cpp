// SPDX-License-Identifier: MIT
#include "notes/offered_line.h"

#include <gtest/gtest.h>

#include <random>

#include "cipher/text_cipher.h"
#include "cipher/zero_groups.h"
#include "notes/recovered_text.h"
#include "sample_texts.h"

namespace {

const cipher::TextCipher kCipher;

TEST(OfferedLine, StartsOnALineOfItsOwnAndIsRecognisedForEveryOffer) {
    std::mt19937 random(71);
    std::uniform_int_distribution<std::size_t> length(500, 4000);
    int offers = 0;
    for (int round = 0; round < 200; ++round) {
        const std::u32string text = samples::withRandomLineBreaks(
            samples::alphabetText(kCipher, length(random), random), random);
        if (text.size() > 4010 || cipher::encrypts(kCipher, text)) {
            continue;
        }
        const auto line = notes::offeredLine(kCipher, text);
        ASSERT_TRUE(line.has_value()) << text.size();
        ++offers;
        const std::u32string added = notes::additionOf(*line);
        ASSERT_EQ(added.substr(0, 2), U"\r\n");
        ASSERT_EQ(added.substr(2), line->characters);
        ASSERT_TRUE(cipher::encrypts(kCipher, text + added));
        // It is the fewest characters on that line: one fewer cannot help
        // even as the character whose code is all ones.
        const std::u32string fewer(line->characters.size() - 1, U'ü');
        EXPECT_FALSE(cipher::encrypts(kCipher, text + notes::kLineBreak.data() + fewer));
        const auto decrypted =
            notes::decryptRestoringLineBreaks(kCipher, kCipher.encryptText(text + added));
        ASSERT_EQ(notes::offeredLineAtEnd(kCipher, decrypted.text), added.size());
    }
    EXPECT_GT(offers, 150);
}

TEST(OfferedLine, ThereIsOneForEveryTextOfUpTo4010Characters) {
    // Line feeds are all zeros: only a line that fills the last row helps.
    const auto most = notes::offeredLine(kCipher, std::u32string(4010, U'\n'));
    ASSERT_TRUE(most.has_value());
    EXPECT_EQ(4010 + 2 + most->characters.size(), 4681u);
    EXPECT_EQ(notes::offeredLine(kCipher, std::u32string(4011, U'\n')), std::nullopt);
    EXPECT_EQ(notes::offeredLine(kCipher, std::u32string(4680, U'a')), std::nullopt);
    EXPECT_EQ(notes::offeredLine(kCipher, std::u32string(4681, U'a')), std::nullopt);
    const auto shortest = notes::offeredLine(kCipher, U"AB");
    ASSERT_TRUE(shortest.has_value());
    EXPECT_TRUE(cipher::encrypts(kCipher, U"AB\r\n" + shortest->characters));
}

TEST(OfferedLine, IsNotSeenWhereTheEndIsNotExactlyOne) {
    const std::u32string text = U"AB";
    const std::u32string line = notes::offeredLine(kCipher, text)->characters;
    const std::u32string withLine = text + U"\r\n" + line;
    EXPECT_EQ(notes::offeredLineAtEnd(kCipher, withLine), 2 + line.size());
    // One character more or less, another character, no line break, a text
    // before it that encrypts by itself.
    EXPECT_EQ(notes::offeredLineAtEnd(kCipher, withLine + U" "), 0u);
    EXPECT_EQ(notes::offeredLineAtEnd(kCipher, withLine.substr(0, withLine.size() - 1)), 0u);
    std::u32string changed = withLine;
    changed.back() = changed.back() == U'a' ? U'b' : U'a';
    EXPECT_EQ(notes::offeredLineAtEnd(kCipher, changed), 0u);
    EXPECT_EQ(notes::offeredLineAtEnd(kCipher, text + line), 0u);
    EXPECT_EQ(notes::offeredLineAtEnd(kCipher, withLine + U"\r\n"), 0u);
    EXPECT_EQ(notes::offeredLineAtEnd(kCipher, U"\r\n" + line), 0u);  // "" encrypts
    EXPECT_EQ(notes::offeredLineAtEnd(kCipher, U""), 0u);
    const std::u32string hello = U"Hello";
    ASSERT_TRUE(cipher::encrypts(kCipher, hello));
    const auto helloLine = notes::paddingToEncrypt(kCipher, hello + U"\r\n");
    if (helloLine) {
        EXPECT_EQ(notes::offeredLineAtEnd(kCipher, hello + U"\r\n" + helloLine->characters), 0u);
    }
}

// Typed notes are taken for an offer's line only when their last line is
// exactly the characters the offer would put there, which end in a tilde
// where one does. A note whose last line is blanks or a word is never
// taken, one that ends in a full stop on a line of its own seldom, and only
// one that ends in a lone tilde often (bench/padding_report gives figures).
TEST(OfferedLine, TypedNotesAreSeldomTakenForOne) {
    struct Ending {
        std::u32string_view lastLine;
        int mostTakenPercent;
        int typed = 0;
        int taken = 0;
    };
    Ending endings[] = {{U" ", 0}, {U"  ", 0}, {U"ok", 0}, {U"Love, Ann", 0},
                        {U".", 5}, {U" .", 5}, {U"~", 100}};
    std::mt19937 random(73);
    std::uniform_int_distribution<std::size_t> length(1, 300);
    for (int round = 0; round < 30000; ++round) {
        Ending& ending = endings[static_cast<std::size_t>(round) % std::size(endings)];
        const std::u32string note = samples::alphabetText(kCipher, length(random), random) +
                                    U"\r\n" + std::u32string(ending.lastLine);
        if (!cipher::encrypts(kCipher, note)) {
            continue;  // such a note would have been given a line of its own
        }
        ++ending.typed;
        ending.taken += notes::offeredLineAtEnd(kCipher, note) != 0 ? 1 : 0;
    }
    for (const Ending& ending : endings) {
        const std::string shown(ending.lastLine.begin(), ending.lastLine.end());
        EXPECT_GT(ending.typed, 1000) << shown;
        EXPECT_LE(100 * ending.taken, ending.mostTakenPercent * ending.typed)
            << shown << ": " << ending.taken << " of " << ending.typed;
    }
    // Many short lines end in a tilde.
    EXPECT_GT(3 * endings[6].taken, endings[6].typed);
}

}  // namespace
