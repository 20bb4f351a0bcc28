// SPDX-License-Identifier: MIT
#include "notes/text_judgement.h"

#include <algorithm>
#include <cmath>

namespace notes {

namespace {

using enum CharacterKind;

constexpr std::u32string_view kPunctuation = U".,:;'!?-()\"/";
constexpr std::u32string_view kAccentedLetters = U"àáâäæçèéêëìíîïñòóôöùúûü";
constexpr std::u32string_view kSigns = U"«»°±²³€¡¿";

constexpr bool isOtherSpace(char32_t character) {
    switch (character) {
        case U'\t':
        case U'\v':
        case U'\f':
        case U'\u0085':  // next line
        case U'\u00A0':  // no-break space
        case U'\u1680':  // ogham space mark
        case U'\u2028':  // line separator
        case U'\u2029':  // paragraph separator
        case U'\u202F':  // narrow no-break space
        case U'\u205F':  // medium mathematical space
        case U'\u3000':  // ideographic space
            return true;
        default:
            // En quad to hair space.
            return character >= U'\u2000' && character <= U'\u200A';
    }
}

constexpr CharacterKind kindOfAny(char32_t character) {
    if (character >= U'a' && character <= U'z') {
        return SmallLetter;
    }
    if (character >= U'A' && character <= U'Z') {
        return Capital;
    }
    if (character >= U'0' && character <= U'9') {
        return Digit;
    }
    if (character == U' ') {
        return Space;
    }
    if (character == U'\r' || character == U'\n') {
        return LineBreak;
    }
    if (isOtherSpace(character)) {
        return OtherSpace;
    }
    if (kPunctuation.find(character) != std::u32string_view::npos) {
        return Punctuation;
    }
    // ASCII's other signs and controls, and the C1 controls.
    if (character <= 0x9F) {
        return Symbol;
    }
    if (kAccentedLetters.find(character) != std::u32string_view::npos) {
        return AccentedLetter;
    }
    if (kSigns.find(character) != std::u32string_view::npos) {
        return Sign;
    }
    return character == U'\uFFFD' ? Mark : Other;
}

// Text is mostly Latin-1, whose kinds are looked up.
constexpr char32_t kTableSize = 0x100;
constexpr std::array<CharacterKind, kTableSize> kLatin1Kinds = [] {
    std::array<CharacterKind, kTableSize> table{};
    for (char32_t character = 0; character < kTableSize; ++character) {
        table[character] = kindOfAny(character);
    }
    return table;
}();

// Uniform characters are each of the alphabet's 127 characters, or a group
// of seven zeros, one time in 128: a lone zero group shows as the mark, two
// as a line break.
constexpr double kUniformChoices = 128;

// How many of the 128 choices each kind of word character is. A character
// outside the alphabet counts as one, as if uniform characters held it as
// often as a mark: it can only come from a code read back.
constexpr std::array<double, 9> kChoices = {26, 26, 10, 12, 20, 23, 9, 1, 1};

// The shares of each kind among the characters of a person's words, for each
// way of writing: prose, generated codes (every printable ASCII character
// but the space alike) and technical text. Generated codes hardly ever hold
// anything else; technical text holds accented letters in names and text.
struct Shares {
    double prose;
    double generated;
    double technical;
};
constexpr double kAscii = 94;
constexpr std::array<Shares, 9> kWordShares = {{
    {0.74, 26 / kAscii, 0.45},  // small letters
    {0.06, 26 / kAscii, 0.10},  // capitals
    {0.06, 10 / kAscii, 0.13},  // digits
    {0.06, 12 / kAscii, 0.15},  // punctuation
    {0.01, 20 / kAscii, 0.15},  // symbols
    {0.04, 0.0002, 0.004},      // accented letters
    {0.01, 0.0001, 0.002},      // signs
    {0.002, 0.0001, 0.001},     // the mark
    {0.02, 0.0001, 0.013},      // characters outside the alphabet
}};
static_assert(kWordShares.size() == static_cast<std::size_t>(Other) + 1 &&
              kChoices.size() == kWordShares.size());

// Between words, the share of each kind of white space among all of a
// person's characters: about one in eight is a space, one in fifty a line
// break. A line break is two zero groups in uniform characters.
constexpr double kSpaceShare = 0.12;
constexpr double kLineBreakShare = 0.02;
constexpr double kOtherSpaceShare = 0.01;

// Each word is taken the likeliest of three ways: that choice costs the
// logarithm of three.
const double kWordCost = std::log(static_cast<double>(kWritings));

struct Weights {
    // For each kind of word character, its weight in each writing.
    std::array<std::array<double, kWritings>, kCharacterKinds> ofWordCharacter{};
    // For each kind of white space (the others are 0).
    std::array<double, kCharacterKinds> between{};
};

const Weights& weights() {
    static const Weights computed = [] {
        Weights made;
        for (std::size_t kind = 0; kind < kWordShares.size(); ++kind) {
            const Shares& shares = kWordShares[kind];
            std::size_t writing = 0;
            for (const double share : {shares.prose, shares.generated, shares.technical}) {
                made.ofWordCharacter[kind][writing++] =
                    std::log(share / kChoices[kind] * kUniformChoices);
            }
        }
        made.between[static_cast<std::size_t>(Space)] = std::log(kSpaceShare * kUniformChoices);
        made.between[static_cast<std::size_t>(LineBreak)] =
            std::log(kLineBreakShare * kUniformChoices * kUniformChoices);
        made.between[static_cast<std::size_t>(OtherSpace)] =
            std::log(kOtherSpaceShare * kUniformChoices);
        return made;
    }();
    return computed;
}

constexpr bool isWhiteSpace(CharacterKind kind) {
    return kind == Space || kind == LineBreak || kind == OtherSpace;
}

// The evidence a word adds: that of its likeliest writing, less the cost of choosing it.
double wordEvidence(const std::array<double, kWritings>& word) {
    return *std::max_element(word.begin(), word.end()) - kWordCost;
}

}  // namespace

CharacterKind kindOf(char32_t character) noexcept {
    return character < kTableSize ? kLatin1Kinds[character] : kindOfAny(character);
}

void TextEvidence::add(char32_t character) noexcept {
    // The carriage return of a line break stands for all of it.
    const bool lineFeedAfterReturn = character == U'\n' && afterReturn;
    afterReturn = character == U'\r';
    if (lineFeedAfterReturn) {
        return;
    }
    ++count;
    const auto kind = static_cast<std::size_t>(kindOf(character));
    const Weights& weighed = weights();
    if (isWhiteSpace(static_cast<CharacterKind>(kind))) {
        endWord();
        betweenWords += weighed.between[kind];
        return;
    }
    const std::array<double, kWritings>& added = weighed.ofWordCharacter[kind];
    for (std::size_t writing = 0; writing < kWritings; ++writing) {
        word[writing] += added[writing];
    }
    inWord = true;
}

void TextEvidence::endWord() noexcept {
    if (inWord) {
        betweenWords += wordEvidence(word);
        word = {};
        inWord = false;
    }
}

double TextEvidence::nats() const noexcept {
    return inWord ? betweenWords + wordEvidence(word) : betweenWords;
}

TextJudgement judgeText(std::u32string_view text) noexcept {
    TextEvidence evidence;
    for (const char32_t character : text) {
        evidence.add(character);
    }
    TextJudgement judgement;
    judgement.characters = evidence.characters();
    judgement.evidence = evidence.nats();
    using enum TextJudgement::Verdict;
    if (judgement.characters < kShortestJudgedText) {
        judgement.verdict = TooShort;
    } else {
        judgement.verdict = judgement.evidence > 0 ? ReadsLikeText : DoesNotReadLikeText;
    }
    return judgement;
}

}  // namespace notes
