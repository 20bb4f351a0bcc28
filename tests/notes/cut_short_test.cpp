// SPDX-License-Identifier: MIT
#include "notes/cut_short.h"

#include <gtest/gtest.h>

#include <string>

#include "cipher/text_cipher.h"
#include "notes/text_judgement.h"
#include "sample_texts.h"

namespace {

const cipher::TextCipher kCipher;
using Where = notes::CutShort::Where;

const std::u32string kNote =
    U"Dentist on Tuesday at 10:30, bring the insurance card and the letter from Dr Weber.";

TEST(CutShort, TellsHowManyCharactersAreMissingAndWhere) {
    const std::u32string cipherText = samples::cipherTextOf(kCipher, kNote);
    const std::u32string_view whole = cipherText;
    for (std::size_t missing = 1; missing <= notes::kMostMissing; ++missing) {
        EXPECT_EQ(notes::cutShortOf(kCipher, whole.substr(0, whole.size() - missing), 0),
                  (notes::CutShort{Where::AtEnd, missing}));
        EXPECT_EQ(notes::cutShortOf(kCipher, whole.substr(missing), 0),
                  (notes::CutShort{Where::AtStart, missing}));
    }
    // Whole, or shorter than it looks for, it is not cut short.
    EXPECT_EQ(notes::cutShortOf(kCipher, whole, 0), std::nullopt);
    EXPECT_EQ(
        notes::cutShortOf(kCipher, whole.substr(0, whole.size() - notes::kMostMissing - 1), 0),
        std::nullopt);
}

TEST(CutShort, NeedsMoreEvidenceThanWhatItIsToBeat) {
    const std::u32string cipherText = samples::cipherTextOf(kCipher, kNote);
    const std::u32string_view cut = std::u32string_view(cipherText).substr(1);
    const double note = notes::judgeText(kNote).evidence;
    EXPECT_TRUE(notes::cutShortOf(kCipher, cut, note - 20).has_value());
    EXPECT_EQ(notes::cutShortOf(kCipher, cut, note + 20), std::nullopt);
}

TEST(CutShort, LooksOnlyAtTextsOverTheAlphabetWithinTheLimit) {
    const std::u32string cipherText = samples::cipherTextOf(kCipher, kNote);
    const std::u32string cut = cipherText.substr(1);
    EXPECT_EQ(notes::cutShortOf(kCipher, cut.substr(0, 20) + U"\t" + cut.substr(20), 0),
              std::nullopt);
    EXPECT_EQ(notes::cutShortOf(kCipher, U"", -100), std::nullopt);
    EXPECT_EQ(notes::cutShortOf(kCipher, std::u32string(4678, U'a'), -1e9), std::nullopt);
    EXPECT_NE(notes::cutShortOf(kCipher, std::u32string(4677, U'a'), -1e9), std::nullopt);
}

}  // namespace
