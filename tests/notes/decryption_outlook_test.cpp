// SPDX-License-Identifier: MIT
#include "notes/decryption_outlook.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cipher/text_cipher.h"
#include "judgement_samples.h"
#include "notes/picked_up.h"
#include "notes/text_judgement.h"
#include "real_notes.h"
#include "sample_texts.h"
#include "wrong_inputs.h"

namespace {

const cipher::TextCipher kCipher;
using Verdict = notes::DecryptionOutlook::Verdict;

std::string shown(const std::u32string& text) {
    std::string ascii;
    for (char32_t character : text.substr(0, 60)) {
        ascii += character < 0x80 ? static_cast<char>(character) : '?';
    }
    return ascii;
}

TEST(PickedUp, TakesOffOutsideCharactersAlwaysAndEndSpacesWhereAsked) {
    const struct {
        std::u32string_view text;
        bool spacesAtStart;
        bool spacesAtEnd;
        notes::EndSpace atStart;
        notes::EndSpace atEnd;
        std::size_t inside;
        std::u32string_view rest;
    } cases[] = {
        {U"abc", false, false, {}, {}, 0, U"abc"},
        {U" abc ", false, false, {}, {}, 0, U" abc "},
        {U" abc ", true, false, {1, 0, 0}, {}, 0, U"abc "},
        {U" abc  ", false, true, {}, {2, 0, 0}, 0, U" abc"},
        {U"\t abc\r\n", false, false, {0, 1, 0}, {0, 0, 1}, 0, U" abc"},
        {U"\t abc\r\n", true, true, {1, 1, 0}, {0, 0, 1}, 0, U"abc"},
        {U"ab\r\ncd\te", true, true, {}, {}, 2, U"abcde"},
        {U"\r\r\nab\n \r", true, true, {0, 0, 2}, {1, 0, 2}, 0, U"ab"},
        {U"  ", true, true, {2, 0, 0}, {}, 0, U""},
    };
    for (const auto& example : cases) {
        const notes::PickedUp picked =
            notes::pickedUp(kCipher, example.text, example.spacesAtStart, example.spacesAtEnd);
        EXPECT_EQ(picked.atStart, example.atStart) << shown(std::u32string(example.text));
        EXPECT_EQ(picked.atEnd, example.atEnd) << shown(std::u32string(example.text));
        EXPECT_EQ(picked.inside.withLineBreaks(), example.inside);
        EXPECT_EQ(picked.rest, example.rest);
        EXPECT_EQ(picked.any(), picked.rest != example.text);
    }
}

// The real notes in six languages, and the notes of passwords, keys and technical text.
std::vector<std::u32string> allNotes() {
    std::vector<std::u32string> all = samples::technicalNotes();
    for (const samples::RealNote& note : samples::realNotes()) {
        all.push_back(note.text);
    }
    return all;
}

bool judged(std::u32string_view text) {
    return notes::judgeText(text).verdict != notes::TextJudgement::Verdict::TooShort;
}

TEST(DecryptionOutlook, GenuineCipherTextsOfNotesDecryptQuietly) {
    for (const std::u32string& note : allNotes()) {
        const auto outlook =
            notes::decryptionOutlookOf(kCipher, samples::cipherTextOf(kCipher, note));
        ASSERT_EQ(outlook.verdict, Verdict::Decrypts) << shown(note);
        ASSERT_EQ(outlook.decrypted.text, note);
    }
}

// Over every sample long enough to judge: at least 99% of cipher texts that
// lost a character at either end are told, and said to be cut short, with
// where and how many, for 95%; at least 99% of those that picked up white
// space at either end are offered the way back to the note; at least 98% of
// notes decrypted by mistake are asked about.
TEST(DecryptionOutlook, TellsEachKindOfSlipOnTheSamples) {
    for (const samples::Slip slip : samples::kSlips) {
        const bool lost = samples::losesCharacters(slip);
        std::size_t inputs = 0;
        std::size_t told = 0;
        std::size_t cutShort = 0;
        std::size_t offered = 0;
        for (const std::u32string& note : allNotes()) {
            const auto outlook = notes::decryptionOutlookOf(
                kCipher, samples::slipped(samples::cipherTextOf(kCipher, note), slip));
            if (!judged(lost ? outlook.decrypted.text : note)) {
                continue;
            }
            ++inputs;
            told += outlook.verdict != Verdict::Decrypts ? 1 : 0;
            const notes::CutShort expected{slip == samples::Slip::LostLast
                                               ? notes::CutShort::Where::AtEnd
                                               : notes::CutShort::Where::AtStart,
                                           1};
            cutShort += outlook.cutShort == expected ? 1 : 0;
            offered += outlook.verdict == Verdict::PickedUp && outlook.withoutPickedUp->text == note
                           ? 1
                           : 0;
        }
        const std::string name(samples::slipName(slip));
        EXPECT_GT(inputs, 800u) << name;
        EXPECT_GE(100 * (lost ? told : offered), 99 * inputs) << name;
        EXPECT_GE(100 * cutShort, (lost ? 95 : 0) * inputs) << name;
    }
    std::size_t notes = 0;
    std::size_t asked = 0;
    for (const std::u32string& note : allNotes()) {
        if (judged(note)) {
            ++notes;
            const Verdict verdict = notes::decryptionOutlookOf(kCipher, note).verdict;
            asked += verdict == Verdict::NotACipherText || verdict == Verdict::CutShort ? 1 : 0;
        }
    }
    EXPECT_GE(100 * asked, 98 * notes) << asked << " of " << notes;
}

// For each kind of slip, what Decrypt Text does with at least 95% of the
// notes, and, for a picked-up character, what the offer gives back.
TEST(DecryptionOutlook, AsksAboutEachKindOfSlip) {
    const struct {
        samples::WrongInput kind;
        Verdict verdict;
    } slips[] = {
        {samples::WrongInput::PlainText, Verdict::NotACipherText},
        {samples::WrongInput::SpaceBefore, Verdict::PickedUp},
        {samples::WrongInput::SpaceAfter, Verdict::PickedUp},
        {samples::WrongInput::TwoSpacesAfter, Verdict::PickedUp},
        {samples::WrongInput::TabBefore, Verdict::PickedUp},
        {samples::WrongInput::LineBreakAfter, Verdict::PickedUp},
        {samples::WrongInput::WrappedAt76, Verdict::PickedUp},
    };
    for (const auto& slip : slips) {
        int inputs = 0;
        int asked = 0;
        for (const samples::RealNote& note : samples::realNotes()) {
            const std::u32string input = samples::wrongInputFor(kCipher, slip.kind, note.text);
            if (input.empty()) {
                continue;
            }
            ++inputs;
            const auto outlook = notes::decryptionOutlookOf(kCipher, input);
            if (outlook.verdict != slip.verdict) {
                continue;
            }
            ++asked;
            if (slip.verdict == Verdict::PickedUp) {
                ASSERT_TRUE(outlook.withoutPickedUp.has_value());
                ASSERT_EQ(outlook.withoutPickedUp->text, note.text)
                    << samples::wrongInputName(slip.kind) << ": " << shown(note.text);
            }
        }
        EXPECT_GT(inputs, 200) << samples::wrongInputName(slip.kind);
        EXPECT_GE(100 * asked, 95 * inputs)
            << samples::wrongInputName(slip.kind) << ": " << asked << " of " << inputs;
    }
}

TEST(DecryptionOutlook, NamesWhatWasPickedUpAndKeepsTheCipherTextsOwnSpaces) {
    const std::u32string note = U"Dentist on Tuesday at 10:30, bring the insurance card.";
    std::u32string cipherText = samples::cipherTextOf(kCipher, note);
    // A cipher text that begins with a space of its own keeps it.
    std::u32string variant = note;
    for (std::size_t more = 1; cipherText.front() != U' ' && more < 2000; ++more) {
        variant = note + U" Room " + std::u32string(more % 40, U'a') + U" or " +
                  std::u32string(more / 40, U'b') + U".";
        cipherText = samples::cipherTextOf(kCipher, variant);
    }
    ASSERT_EQ(cipherText.front(), U' ');
    const auto outlook = notes::decryptionOutlookOf(kCipher, cipherText + U"  ");
    ASSERT_EQ(outlook.verdict, Verdict::PickedUp);
    EXPECT_EQ(outlook.pickedUp.atStart, notes::EndSpace{});
    EXPECT_EQ(outlook.pickedUp.atEnd, (notes::EndSpace{2, 0, 0}));
    EXPECT_EQ(outlook.withoutPickedUp->text, variant);
}

TEST(DecryptionOutlook, SaysWhenNothingHelps) {
    // An earlier version's cipher text of a note with a tab: a lost character.
    const auto lost = notes::decryptionOutlookOf(
        kCipher, samples::earlierCipherTextOf(kCipher, U"Meet Ann at the station\r\n\tat noon."));
    EXPECT_EQ(lost.verdict, Verdict::CannotComeBack);
    EXPECT_EQ(lost.decrypted.marks, 1u);
    EXPECT_TRUE(lost.readsLikeText);
    EXPECT_FALSE(lost.withoutPickedUp.has_value());

    // Too short to judge: decrypts quietly; the empty text too.
    EXPECT_EQ(notes::decryptionOutlookOf(kCipher, U"ZST=q").verdict, Verdict::Decrypts);
    EXPECT_EQ(notes::decryptionOutlookOf(kCipher, U"").verdict, Verdict::Decrypts);
    EXPECT_EQ(notes::decryptionOutlookOf(kCipher, std::u32string(4682, U'a')).verdict,
              Verdict::TooLong);
}

}  // namespace
