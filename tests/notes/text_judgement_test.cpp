// SPDX-License-Identifier: MIT
#include "notes/text_judgement.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "cipher/text_cipher.h"
#include "judgement_samples.h"
#include "notes/text_length.h"
#include "real_notes.h"
#include "sample_texts.h"
#include "wrong_inputs.h"

namespace {

using Verdict = notes::TextJudgement::Verdict;
using Kind = notes::CharacterKind;

const cipher::TextCipher kCipher;

Verdict verdictOf(std::u32string_view text) {
    return notes::judgeText(text).verdict;
}

std::string shown(std::u32string_view text) {
    std::string ascii;
    for (const char32_t character : text.substr(0, 60)) {
        ascii += character < 0x80 ? static_cast<char>(character) : '?';
    }
    return ascii;
}

TEST(JudgeTextOnSamples, TheSamplesAreManyAndVaried) {
    std::map<samples::Language, int> perLanguage;
    for (const samples::RealNote& note : samples::realNotes()) {
        ASSERT_GE(notes::measureText(note.text).asTyped(), notes::kShortestJudgedText);
        ++perLanguage[note.language];
    }
    EXPECT_GE(samples::realNotes().size(), 400u);
    for (const samples::Language language : samples::kLanguages) {
        EXPECT_GE(perLanguage[language], 30) << samples::languageName(language);
    }
    EXPECT_GE(samples::technicalNotes().size(), 400u);
}

TEST(JudgeTextOnSamples, EveryNoteAndItsDecryptionReadLikeText) {
    std::vector<std::u32string> all = samples::technicalNotes();
    for (const samples::RealNote& note : samples::realNotes()) {
        all.push_back(note.text);
    }
    for (const std::u32string& note : all) {
        EXPECT_NE(verdictOf(note), Verdict::DoesNotReadLikeText) << shown(note);
        const std::u32string decryption =
            samples::decryptedAnyway(kCipher, samples::cipherTextOf(kCipher, note));
        EXPECT_NE(verdictOf(decryption), Verdict::DoesNotReadLikeText) << shown(decryption);
    }
}

TEST(JudgeTextOnSamples, AtLeast98PercentOfEachKindOfWrongInputDoNotReadLikeText) {
    for (const samples::WrongInput kind : samples::kWrongInputs) {
        std::size_t judged = 0;
        std::size_t caught = 0;
        for (const samples::WrongSample& sample : samples::wrongSamples(kCipher, kind)) {
            const Verdict verdict = verdictOf(sample.decryption);
            judged += verdict != Verdict::TooShort ? 1 : 0;
            caught += verdict == Verdict::DoesNotReadLikeText ? 1 : 0;
        }
        EXPECT_GE(judged, 200u) << samples::wrongInputName(kind);
        EXPECT_GE(caught * 100, judged * 98)
            << samples::wrongInputName(kind) << ": " << caught << " of " << judged;
    }
}

TEST(JudgeText, SortsEveryAlphabetCharacterIntoItsKind) {
    std::map<Kind, int> counts;
    for (int position = 1; position <= 127; ++position) {
        ++counts[notes::kindOf(kCipher.alphabetCharacter(position))];
    }
    const std::map<Kind, int> expected = {
        {Kind::SmallLetter, 26}, {Kind::Capital, 26}, {Kind::Digit, 10},          {Kind::Space, 1},
        {Kind::Punctuation, 12}, {Kind::Symbol, 20},  {Kind::AccentedLetter, 23}, {Kind::Sign, 9},
    };
    EXPECT_EQ(counts, expected);
}

TEST(JudgeText, SortsCharactersOutsideTheAlphabet) {
    const std::pair<char32_t, Kind> kinds[] = {
        {U'\r', Kind::LineBreak},      {U'\n', Kind::LineBreak},      {U'\t', Kind::OtherSpace},
        {U'\u00A0', Kind::OtherSpace}, {U'\u0085', Kind::OtherSpace}, {U'\u2000', Kind::OtherSpace},
        {U'\u200A', Kind::OtherSpace}, {U'\u3000', Kind::OtherSpace}, {U'\u200B', Kind::Other},
        {U'\0', Kind::Symbol},         {U'\x7F', Kind::Symbol},       {U'\x9F', Kind::Symbol},
        {U'\uFFFD', Kind::Mark},       {U'ß', Kind::Other},           {U'É', Kind::Other},
        {U'ÿ', Kind::Other},           {U'£', Kind::Other},           {U'\u2019', Kind::Other},
        {U'\u0416', Kind::Other},      {U'\U0001F600', Kind::Other},
    };
    for (const auto& [character, kind] : kinds) {
        EXPECT_EQ(notes::kindOf(character), kind) << static_cast<unsigned>(character);
    }
}

TEST(JudgeText, LeavesTextsOfFewerThan12CharactersAsTypedUnjudged) {
    const std::pair<std::u32string_view, Verdict> cases[] = {
        {U"", Verdict::TooShort},
        {U"Milk & eggs", Verdict::TooShort},        // 11
        {U"Milch kaufen", Verdict::ReadsLikeText},  // 12
        {U"€¿}ü{«±^|`ñ", Verdict::TooShort},
        {U"€¿}ü{«±^|`ñ²", Verdict::DoesNotReadLikeText},
        {U"Call\r\nme now", Verdict::TooShort},  // 12 code points, 11 as typed
        {U"Call\r\nme now!", Verdict::ReadsLikeText},
        {U"Call\rme now!", Verdict::ReadsLikeText},
    };
    for (const auto& [text, verdict] : cases) {
        EXPECT_EQ(verdictOf(text), verdict) << shown(text);
    }
    EXPECT_EQ(notes::judgeText(U"Call\r\nme now!").characters, 12u);
    EXPECT_EQ(notes::judgeText(U"\r\r\n\r\n").characters, 3u);
}

// The weight of one character of a word in each writing, from the shares of
// text_judgement.cpp: ln(share / its kind's choices × 128).
double weight(double share, double choices) {
    return std::log(share / choices * 128);
}

TEST(JudgeText, WeighsEachWordTheLikeliestOfThreeWays) {
    const double choice = std::log(3.0);
    const struct {
        std::u32string_view text;
        double evidence;
    } cases[] = {
        // Prose: small letters.
        {U"abcdefghijkl", 12 * weight(0.74, 26) - choice},
        // Generated codes: every printable ASCII character alike.
        {U"XK7P2Q{=}A!b", 12 * std::log(128.0 / 94) - choice},
        // Technical text: punctuation, symbols and digits.
        {U"%.2f;%-8s|%d", 3 * weight(0.15, 12) + 4 * weight(0.15, 20) + 2 * weight(0.13, 10) +
                              3 * weight(0.45, 26) - choice},
        // One word a way, spaces and a line break between.
        {U"Code: XK7P2Q\r\nok", weight(0.06, 26) + 3 * weight(0.74, 26) + weight(0.06, 12) +
                                    std::log(0.12 * 128) + 6 * std::log(128.0 / 94) +
                                    std::log(0.02 * 128 * 128) + 2 * weight(0.74, 26) - 3 * choice},
        // Accented letters and signs: prose.
        {U"àé€", 2 * weight(0.04, 23) + weight(0.01, 9) - choice},
        // Outside the alphabet: prose, as one choice in 128.
        {U"Straße\uFFFD", weight(0.06, 26) + 4 * weight(0.74, 26) + std::log(0.02 * 128) +
                              std::log(0.002 * 128) - choice},
        {U"\t \u00A0", 2 * std::log(0.01 * 128) + std::log(0.12 * 128)},
    };
    for (const auto& [text, evidence] : cases) {
        EXPECT_NEAR(notes::judgeText(text).evidence, evidence, 1e-9) << shown(text);
    }
}

TEST(JudgeText, AddsUpCharacterByCharacterAsAWholeText) {
    const std::u32string text = U"Flight BA 2491, seat 23A\r\nPW: Xk9mLq2Z!";
    notes::TextEvidence evidence;
    for (const char32_t character : text) {
        evidence.add(character);
    }
    EXPECT_DOUBLE_EQ(evidence.nats(), notes::judgeText(text).evidence);
    EXPECT_EQ(evidence.characters(), 38u);
}

TEST(JudgeText, TakesPasswordsKeysAndMarkupForText) {
    for (const std::u32string_view text : {
             U"PW: Xk9mLq2Z!",
             U"sk-proj-M2bkGwZIVLDsYwwPTi7Ulu9eazcnoynKiCwb5XisxHIDaEhv",
             U"otpauth://totp/GitHub:anna@example.com?secret=JBSWY3DPEHPK3PXP&issuer=GitHub",
             U"7HYEL-SPZTJ-TK2JN-DOUY8-4CY3L",
             U"Hello %s, you have %d new messages",
             U"<p>Hello <b>Anna</b>, see <a href=\"/x\">this</a>.</p>",
             U"ssh -i ~/.ssh/id_ed25519 pi@192.168.1.20 -p 2222",
             U"k#8V!q@2Lz&9^Rm*",
             U"Gym 19h, ¡sí!",
             U":-) :-( ;-) :-D",
         }) {
        EXPECT_EQ(verdictOf(text), Verdict::ReadsLikeText) << shown(text);
    }
}

TEST(JudgeText, TakesUniformAlphabetCharactersForNoText) {
    // A quarter accented letters and signs, a quarter punctuation and symbols.
    EXPECT_EQ(verdictOf(U"'MixcíôN²YlMû_SûqéêêrVNñ"), Verdict::DoesNotReadLikeText);
    EXPECT_EQ(verdictOf(U"€{è UGWGEdp.\"P EN7~@ô"), Verdict::DoesNotReadLikeText);
    std::mt19937 random(7);
    int text = 0;
    for (int round = 0; round < 1000; ++round) {
        text += notes::judgeText(samples::alphabetText(kCipher, 40, random)).readsLikeText();
    }
    EXPECT_LE(text, 5);
}

}  // namespace
