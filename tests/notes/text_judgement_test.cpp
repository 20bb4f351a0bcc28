// SPDX-License-Identifier: MIT
#include "notes/text_judgement.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "cipher/text_cipher.h"
#include "notes/text_length.h"
#include "real_notes.h"
#include "sample_texts.h"
#include "wrong_inputs.h"

namespace {

using Verdict = notes::TextJudgement::Verdict;

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

// How a set of texts was judged.
struct Tally {
    std::size_t text = 0;
    std::size_t notText = 0;
    std::size_t tooShort = 0;

    explicit Tally(const std::vector<std::u32string>& texts) {
        for (const std::u32string& item : texts) {
            switch (verdictOf(item)) {
                case Verdict::ReadsLikeText:
                    ++text;
                    break;
                case Verdict::DoesNotReadLikeText:
                    ++notText;
                    break;
                case Verdict::TooShort:
                    ++tooShort;
                    break;
            }
        }
    }
    std::size_t judged() const { return text + notText; }
    void print(const char* name) const {
        std::printf("%-34s %5zu  text %4zu  not text %4zu  too short %3zu\n", name,
                    judged() + tooShort, text, notText, tooShort);
    }
};

// At least 95% of the judged ones (12 characters or more) are not text.
void expectCaught(const Tally& tally, const char* name) {
    EXPECT_GE(tally.notText * 100, tally.judged() * 95)
        << name << ": " << tally.text << " of " << tally.judged() << " read like text";
}

TEST(JudgeTextOnSamples, TheRealNotesAreManyAndVaried) {
    std::map<samples::Language, int> perLanguage;
    int short12To30 = 0;
    int over2000 = 0;
    for (const samples::RealNote& note : samples::realNotes()) {
        const std::size_t typed = notes::measureText(note.text).asTyped();
        ASSERT_GE(typed, notes::kShortestJudgedText) << shown(note.text);
        ++perLanguage[note.language];
        short12To30 += typed <= 30 ? 1 : 0;
        over2000 += typed > 2000 ? 1 : 0;
    }
    EXPECT_GE(samples::realNotes().size(), 200u);
    for (const samples::Language language : samples::kLanguages) {
        EXPECT_GE(perLanguage[language], 30) << samples::languageName(language);
    }
    EXPECT_GE(short12To30, 30);
    EXPECT_GE(over2000, 5);
}

TEST(JudgeTextOnSamples, EveryRealNoteAndItsDecryptionReadLikeText) {
    std::vector<std::u32string> notes;
    std::vector<std::u32string> decryptions;
    std::vector<std::u32string> cipherTexts;
    for (const samples::RealNote& note : samples::realNotes()) {
        EXPECT_EQ(verdictOf(note.text), Verdict::ReadsLikeText) << shown(note.text);
        const std::u32string cipherText = samples::cipherTextOf(kCipher, note.text);
        const std::u32string decryption = samples::decryptedAnyway(kCipher, cipherText);
        EXPECT_EQ(verdictOf(decryption), Verdict::ReadsLikeText) << shown(decryption);
        notes.push_back(note.text);
        decryptions.push_back(decryption);
        cipherTexts.push_back(cipherText);
    }
    Tally(notes).print("real notes");
    Tally(decryptions).print("their genuine decryptions");
    const Tally ofCipherTexts(cipherTexts);
    ofCipherTexts.print("their cipher texts");
    expectCaught(ofCipherTexts, "cipher texts of the real notes");
}

TEST(JudgeTextOnSamples, AtLeast95PercentOfEachKindOfWrongInputDoNotReadLikeText) {
    for (const samples::WrongInput kind : samples::kWrongInputs) {
        const std::string name(samples::wrongInputName(kind));
        std::vector<std::u32string> decryptions;
        for (const samples::WrongSample& sample : samples::wrongSamples(kCipher, kind)) {
            decryptions.push_back(sample.decryption);
        }
        const Tally tally(decryptions);
        tally.print(name.c_str());
        EXPECT_GE(tally.judged(), 200u) << name;
        expectCaught(tally, name.c_str());
    }
}

// A text of the given length: words of five letters, then the extra
// characters at the end.
std::u32string lettersThen(std::size_t length, std::u32string_view extra) {
    std::u32string text;
    while (text.size() + extra.size() < length) {
        text += text.size() % 6 == 5 ? U' ' : static_cast<char32_t>(U'a' + text.size() % 6);
    }
    return text + std::u32string(extra);
}

TEST(JudgeText, LeavesTextsOfFewerThan12CharactersAsTypedUnjudged) {
    const struct {
        std::u32string text;
        Verdict verdict;
    } cases[] = {
        {U"", Verdict::TooShort},
        {U"Milk & eggs", Verdict::TooShort},        // 11
        {U"Milch kaufen", Verdict::ReadsLikeText},  // 12
        {U"Ab}Cd]Ef{G^", Verdict::TooShort},        // 11, not text at any length
        {U"Ab}Cd]Ef{G^|", Verdict::DoesNotReadLikeText},
        {U"Call\r\nme now", Verdict::TooShort},  // 12 code points, 11 as typed
        {U"Call\r\nme now!", Verdict::ReadsLikeText},
        {U"Call\rme now", Verdict::TooShort},  // a carriage return alone is one character
        {U"Call\rme now!", Verdict::ReadsLikeText},
        {U"Call\nme now!", Verdict::ReadsLikeText},
        {U"\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n", Verdict::TooShort},
        {U"\r\r\n\r\r\n\r\r\n\r\r\n\r\r\n\r\r\n", Verdict::ReadsLikeText},  // 12 as typed
    };
    for (const auto& example : cases) {
        const notes::TextJudgement judgement = notes::judgeText(example.text);
        EXPECT_EQ(judgement.verdict, example.verdict) << shown(example.text);
        EXPECT_EQ(judgement.readsLikeText(), example.verdict == Verdict::ReadsLikeText);
        EXPECT_EQ(judgement.doesNotReadLikeText(), example.verdict == Verdict::DoesNotReadLikeText);
    }
    EXPECT_EQ(notes::judgeText(U"Call\r\nme now!").characters, 12u);
    EXPECT_EQ(notes::judgeText(U"\r\r\n\r\n").characters, 3u);
}

TEST(JudgeText, AllowsAtMost3In10CharactersToBeSymbols) {
    const struct {
        std::size_t length;
        std::u32string_view symbols;
        Verdict verdict;
    } cases[] = {
        {20, U"!!!!!!", Verdict::ReadsLikeText},  // 30%
        {20, U"!!!!!!!", Verdict::DoesNotReadLikeText},
        {30, U"?!.,:;'\"()", Verdict::DoesNotReadLikeText},  // 10 of 30
        {30, U"?!.,:;'\"(", Verdict::ReadsLikeText},
        {12, U"...", Verdict::ReadsLikeText},  // 25%
        {12, U"....", Verdict::DoesNotReadLikeText},
        {13, U"....", Verdict::DoesNotReadLikeText},  // 31%
        {14, U"....", Verdict::ReadsLikeText},
    };
    for (const auto& example : cases) {
        const std::u32string text = lettersThen(example.length, example.symbols);
        const notes::TextJudgement judgement = notes::judgeText(text);
        EXPECT_EQ(judgement.symbols, example.symbols.size()) << shown(text);
        EXPECT_EQ(judgement.garbledCharacters, 0u) << shown(text);
        EXPECT_EQ(judgement.verdict, example.verdict) << shown(text);
    }
}

TEST(JudgeText, CountsPunctuationAndSignsAsSymbolsAndEverythingElseNot) {
    // Seven of them after 13 other characters: 35% if they are symbols.
    const char32_t symbols[] = {
        U'.', U',',  U'!',    U'"',      U'#',      U'/',      U'@',      U'[', U'_',
        U'~', U'\0', U'\x01', U'\x7F',   U'\x80',   U'\x9F',   U'¡',      U'«', U'°',
        U'²', U'¿',  U'×',    U'÷',      U'€',      U'£',      U'—',      U'’', U'„',
        U'…', U'•',  U'‰',    U'\u2010', U'\u205E', U'\u20A0', U'\u20CF',
    };
    for (const char32_t symbol : symbols) {
        const std::u32string text = U"abcdef ghijk " + std::u32string(7, symbol);
        const notes::TextJudgement judgement = notes::judgeText(text);
        EXPECT_EQ(judgement.symbols, 7u) << int(symbol);
        EXPECT_EQ(judgement.verdict, Verdict::DoesNotReadLikeText) << int(symbol);
    }
    const char32_t others[] = {
        U'7',      U'ß',          U'ÿ',      U'À',      U'Þ',      U'Ā',      U'ж',
        U'\u5B57', U'\U0001F389', U'\uFFFD', U'\u200B', U'\u200F', U'\u2060', U'\u209F',
        U'\u20D0', U'\u00A0',     U'\t',     U'\u3000', U'\u2000', U'\u200A', U'\u202F',
        U'\u0085', U'\u1680',     U'\u205F', U'\u2028', U'\u2029', U'\v',     U'\f',
    };
    for (const char32_t other : others) {
        const std::u32string text = U"abcdef ghijk " + std::u32string(7, other);
        const notes::TextJudgement judgement = notes::judgeText(text);
        EXPECT_EQ(judgement.symbols, 0u) << int(other);
        EXPECT_EQ(judgement.verdict, Verdict::ReadsLikeText) << int(other);
    }
}

// The share of a word's characters that the judgement takes for garbled: 1
// when the whole text is one garbled word, 0 when it is one word that is not.
std::size_t garbledShare(std::u32string_view word) {
    const notes::TextJudgement judgement = notes::judgeText(word);
    EXPECT_EQ(judgement.wordCharacters, word.size()) << shown(word);
    return judgement.garbledCharacters / word.size();
}

TEST(JudgeText, FindsAWordGarbledByACapitalThatNoSmallLetterAToZFollows) {
    const struct {
        std::u32string_view word;
        std::size_t garbled;
    } cases[] = {
        {U"aB", 1},       {U"aBC", 1},    {U"aB1", 1},         {U"aB.", 1},   {U"aBé", 1},
        {U"aBc", 0},      {U"Ab", 0},     {U"AB", 0},          {U"ABc", 0},   {U"abc", 0},
        {U"WhatsApp", 0}, {U"iPhone", 0}, {U"McDonald's", 0},  {U"macOS", 1}, {U"iOS", 1},
        {U"ßB", 1},       {U"ÿB", 1},     {U"÷B", 0},          {U"aÀ", 1},    {U"aÞ", 1},
        {U"a×", 0},       {U"aÀb", 0},    {U"àBé", 1},         {U"жB", 0},    {U"aЖ", 0},
        {U"1B", 0},       {U"B1", 0},     {U"abcdefghijK", 1}, {U"aA", 1},    {U"aZ", 1},
        {U"zB", 1},       {U"aBz", 0},    {U"aBa", 0},
    };
    for (const auto& example : cases) {
        EXPECT_EQ(garbledShare(example.word), example.garbled) << shown(example.word);
    }
}

TEST(JudgeText, FindsAWordGarbledByASingleDigitBetweenTwoLetters) {
    const struct {
        std::u32string_view word;
        std::size_t garbled;
    } cases[] = {
        {U"a1b", 1},    {U"xx7yy", 1}, {U"é1ü", 1},   {U"ж5ж", 1},  {U"\uFFFD1a", 1},
        {U"XK7P2Q", 1}, {U"a12b", 0},  {U"1a1", 0},   {U"a1", 0},   {U"1ab", 0},
        {U"a1.b", 0},   {U"a.1b", 0},  {U"15h30", 0}, {U"DE89", 0}, {U"3pm", 0},
    };
    for (const auto& example : cases) {
        EXPECT_EQ(garbledShare(example.word), example.garbled) << shown(example.word);
    }
}

TEST(JudgeText, FindsAWordGarbledByASymbolNotesHardlyHold) {
    for (const char32_t symbol : notes::kGarblingSymbols) {
        const std::u32string middle = std::u32string(U"ab") + symbol + U"cd";
        EXPECT_EQ(garbledShare(middle), 1u) << int(symbol);
        EXPECT_EQ(garbledShare(std::u32string(1, symbol)), 1u) << int(symbol);
    }
    EXPECT_EQ(notes::kGarblingSymbols, U"{}<>^|\\`±");
    for (const char32_t symbol : std::u32string_view(U"[]~_=*@#&%$+'\"°²³«»¡¿€!?.,:;()/")) {
        const std::u32string middle = std::u32string(U"ab") + symbol + U"cd";
        EXPECT_EQ(garbledShare(middle), 0u) << int(symbol);
    }
}

TEST(JudgeText, SplitsWordsAtWhiteSpaceAndHyphens) {
    // Were it no separator, "aB" would run on into a word of seven that it garbles.
    const char32_t separators[] = {
        U' ',      U'\t',     U'\n',     U'\v',     U'\f',     U'\r',
        U'-',      U'\u0085', U'\u00A0', U'\u1680', U'\u2000', U'\u2005',
        U'\u200A', U'\u2028', U'\u2029', U'\u202F', U'\u205F', U'\u3000',
    };
    for (const char32_t separator : separators) {
        const notes::TextJudgement judgement =
            notes::judgeText(std::u32string(U"aB") + separator + U"cdef");
        EXPECT_EQ(judgement.wordCharacters, 6u) << int(separator);
        EXPECT_EQ(judgement.garbledCharacters, 2u) << int(separator);
    }
    for (const char32_t other : {U'\u200B', U'\u1FFF', U'\u2030', U'\u3001', U'\u00AD'}) {
        const notes::TextJudgement judgement =
            notes::judgeText(std::u32string(U"aB") + other + U"cdef");
        EXPECT_EQ(judgement.wordCharacters, 7u) << int(other);
        EXPECT_EQ(judgement.garbledCharacters, 7u) << int(other);
    }

    const struct {
        std::u32string_view text;
        std::size_t wordCharacters;
        std::size_t garbledCharacters;
    } cases[] = {
        {U"aB cdef", 6, 2},
        {U"aB-cdef", 6, 2},
        {U"aBcdef", 6, 0},
        {U"aB.cdef", 7, 7},
        {U"a1 b", 3, 0},
        {U"a1-b", 3, 0},
        {U"a1\tb\r\nc\u00A0d\u3000e\u2003f\u202Fg\u2028h\u0085i\u1680j", 11, 0},
        {U"ab\r\ncD", 4, 2},
        {U"ab\r\ncD\r\n", 4, 2},
        {U"cD ab", 4, 2},
        {U"x{ yy zz", 6, 2},
        {U"yy zz x{", 6, 2},
        {U"--  -- ", 0, 0},
    };
    for (const auto& example : cases) {
        const notes::TextJudgement judgement = notes::judgeText(example.text);
        EXPECT_EQ(judgement.wordCharacters, example.wordCharacters) << shown(example.text);
        EXPECT_EQ(judgement.garbledCharacters, example.garbledCharacters) << shown(example.text);
    }
}

TEST(JudgeText, AllowsAtMostHalfOfTheCharactersOfWordsInGarbledWords) {
    const struct {
        std::u32string_view text;
        Verdict verdict;
    } cases[] = {
        {U"abcdeF ghijkl", Verdict::ReadsLikeText},         // 6 of 12
        {U"abcdefG ghijkl", Verdict::DoesNotReadLikeText},  // 7 of 13
        {U"abcdeF ghijklm", Verdict::ReadsLikeText},
        {U"abcdF ghijk", Verdict::TooShort},
        {U"a{ b{ c{ defghi", Verdict::ReadsLikeText},           // 6 of 12
        {U"a{ b{ c{ d{ efghij", Verdict::DoesNotReadLikeText},  // 8 of 14
        {U"a{ b{ c{ defgh", Verdict::DoesNotReadLikeText},      // 6 of 11
        {U"Fahrt mit BlaBlaCar, 8 Uhr", Verdict::ReadsLikeText},
        {U"Neues iPhone-Ladekabel kaufen", Verdict::ReadsLikeText},
        {U"Neues iPhoneLadekabeL kaufen", Verdict::DoesNotReadLikeText},
        {U"Neues Passwort: Xk9mLq2Z", Verdict::ReadsLikeText},  // 8 of 22
        {U"PW: Xk9mLq2Z!", Verdict::DoesNotReadLikeText},       // 9 of 12
    };
    for (const auto& example : cases) {
        EXPECT_EQ(verdictOf(example.text), example.verdict) << shown(example.text);
    }
}

TEST(JudgeText, NeedsBothFewSymbolsAndFewGarbledWords) {
    const struct {
        std::u32string_view text;
        Verdict verdict;
    } cases[] = {
        {U"PIN 4711, door code 0815#", Verdict::ReadsLikeText},
        {U"IBAN DE89 3704 0044 0532 0130 00", Verdict::ReadsLikeText},
        {U"Tel.: +49 (0)30 1234-567", Verdict::ReadsLikeText},        // 6 of 24 symbols
        {U"'MixcíôN²YlMû_SûqéêêrVNñ", Verdict::DoesNotReadLikeText},  // few symbols, garbled
        {U"ab.cd.ef.gh.ij.kl.mn.op", Verdict::DoesNotReadLikeText},   // clean, but 7 of 23
        {U"Gâteau: 250 g farine, 3 œufs, 1 l de lait", Verdict::ReadsLikeText},
        {U"Straße 12, 10115 Berlin \u2013 Tel. 030 1234567", Verdict::ReadsLikeText},
    };
    for (const auto& example : cases) {
        EXPECT_EQ(verdictOf(example.text), example.verdict) << shown(example.text);
    }
}

TEST(JudgeText, TellsADecryptionFromTheDecryptionOfItsCipherTextWithASpace) {
    const std::u32string note = samples::withLineBreaks(
        U"Einkaufen:\n- Milch\n- 10 Eier\n- Brot\n\nPaket bei Frau Özdemir abholen!");
    const std::u32string cipherText = samples::cipherTextOf(kCipher, note);
    EXPECT_EQ(verdictOf(cipherText), Verdict::DoesNotReadLikeText);
    EXPECT_EQ(verdictOf(samples::decryptedAnyway(kCipher, cipherText)), Verdict::ReadsLikeText);
    for (const samples::WrongInput kind :
         {samples::WrongInput::PlainText, samples::WrongInput::SpaceAfter,
          samples::WrongInput::TabBefore, samples::WrongInput::LineBreakAfter}) {
        const std::u32string wrong =
            samples::decryptedAnyway(kCipher, samples::wrongInputFor(kCipher, kind, note));
        EXPECT_EQ(verdictOf(wrong), Verdict::DoesNotReadLikeText) << shown(wrong);
    }
}

}  // namespace
