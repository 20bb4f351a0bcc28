// SPDX-License-Identifier: MIT
#include "notes/text_judgement.h"

#include <array>

namespace notes {

namespace {

enum class Kind : std::uint8_t { WhiteSpace, Digit, Symbol, Letter };

constexpr bool isWhiteSpace(char32_t character) {
    switch (character) {
        case U' ':
        case U'\t':
        case U'\n':
        case U'\v':
        case U'\f':
        case U'\r':
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

constexpr bool isAsciiSmallLetter(char32_t character) {
    return character >= U'a' && character <= U'z';
}

constexpr bool isSmallLetter(char32_t character) {
    return isAsciiSmallLetter(character) ||
           (character >= U'ß' && character <= U'ÿ' && character != U'÷');
}

constexpr bool isCapitalLetter(char32_t character) {
    return (character >= U'A' && character <= U'Z') ||
           (character >= U'À' && character <= U'Þ' && character != U'×');
}

constexpr Kind kindOf(char32_t character) {
    if (isWhiteSpace(character)) {
        return Kind::WhiteSpace;
    }
    if (character >= U'0' && character <= U'9') {
        return Kind::Digit;
    }
    if (character < 0x80) {
        const bool letter = isAsciiSmallLetter(character) || isCapitalLetter(character);
        return letter ? Kind::Letter : Kind::Symbol;
    }
    // C1 controls and the signs ¡ to ¿ of Latin-1, its × and ÷, the dashes,
    // quotes, bullets and ellipsis of general punctuation (‐ to ⁞), and the
    // currency signs.
    const bool symbol = character <= U'\u00BF' || character == U'×' || character == U'÷' ||
                        (character >= U'\u2010' && character <= U'\u205E') ||
                        (character >= U'\u20A0' && character <= U'\u20CF');
    return symbol ? Kind::Symbol : Kind::Letter;
}

// What the rule needs to know of a character, one bit each.
enum Trait : std::uint8_t {
    kEndsWord = 1,  // white space or a hyphen
    kDigit = 2,
    kSymbol = 4,
    kLetter = 8,
    kSmall = 16,
    kAsciiSmall = 32,
    kCapital = 64,
    kGarbling = 128,  // one of kGarblingSymbols
};

constexpr std::uint8_t traitsOf(char32_t character) {
    const Kind kind = kindOf(character);
    const auto bit = [](bool holds, Trait trait) { return holds ? unsigned{trait} : 0U; };
    return static_cast<std::uint8_t>(
        bit(kind == Kind::WhiteSpace || character == U'-', kEndsWord) |
        bit(kind == Kind::Digit, kDigit) | bit(kind == Kind::Symbol, kSymbol) |
        bit(kind == Kind::Letter, kLetter) | bit(isSmallLetter(character), kSmall) |
        bit(isAsciiSmallLetter(character), kAsciiSmall) |
        bit(isCapitalLetter(character), kCapital) |
        bit(kGarblingSymbols.find(character) != std::u32string_view::npos, kGarbling));
}

// Text is mostly Latin-1, whose traits are looked up; only letters of other
// scripts, and rarer signs, are worked out each time.
constexpr char32_t kTableSize = 0x100;
constexpr std::array<std::uint8_t, kTableSize> kLatin1Traits = [] {
    std::array<std::uint8_t, kTableSize> table{};
    for (char32_t character = 0; character < kTableSize; ++character) {
        table[character] = traitsOf(character);
    }
    return table;
}();

// 1 when the traits hold the trait, else 0.
constexpr unsigned has(unsigned traits, Trait trait) {
    return (traits / trait) & 1U;
}

// 1 when the traits do not hold the trait, else 0.
constexpr unsigned lacks(unsigned traits, Trait trait) {
    return has(traits, trait) ^ 1U;
}

// Counts the characters of words and of garbled words, a character at a
// time. A decryption of a wrong text is random characters, on which
// branches would mostly be mispredicted, so the conditions are combined as
// 0s and 1s with & and |.
class WordCount {
  public:
    void add(unsigned traits) {
        const unsigned endsWord = has(traits, kEndsWord);
        // A capital that starts a part of a name, as in "WhatsApp", has one of a to z after
        // it; white space after it, as anything else, leaves it lonely.
        const unsigned lonelyCapital =
            has(previous, kCapital) & has(beforePrevious, kSmall) & lacks(traits, kAsciiSmall);
        const unsigned digitBetweenLetters =
            has(traits, kLetter) & has(previous, kDigit) & has(beforePrevious, kLetter);
        garbled |= lonelyCapital | digitBetweenLetters | has(traits, kGarbling);
        // A character that ends a word adds the word, if garbled, and starts the next one.
        garbledCharacters += length & (0 - std::size_t{endsWord & garbled});
        characters += lacks(traits, kEndsWord);
        // All ones within a word; nothing carries over from one word to the next.
        const unsigned inWord = 0U - lacks(traits, kEndsWord);
        length = (length + 1) & std::size_t{inWord};
        garbled &= inWord;
        beforePrevious = previous & inWord;
        previous = traits & inWord;
    }

    void endText() { add(kEndsWord); }

    std::size_t characters{};
    std::size_t garbledCharacters{};

  private:
    // The word being read: its length, whether it is garbled so far, and the
    // traits of its last two characters (none at its start).
    std::size_t length{};
    unsigned garbled{};
    unsigned previous{};
    unsigned beforePrevious{};
};

bool atMost(std::size_t count, Share share, std::size_t total) {
    return count * share.of <= total * share.parts;
}

TextJudgement::Verdict verdictFor(const TextJudgement& counts) {
    using enum TextJudgement::Verdict;
    if (counts.characters < kShortestJudgedText) {
        return TooShort;
    }
    const bool readsLikeText =
        atMost(counts.symbols, kMostSymbols, counts.characters) &&
        atMost(counts.garbledCharacters, kMostGarbled, counts.wordCharacters);
    return readsLikeText ? ReadsLikeText : DoesNotReadLikeText;
}

}  // namespace

TextJudgement judgeText(std::u32string_view text) noexcept {
    TextJudgement judgement;
    WordCount words;
    char32_t previous{};
    for (const char32_t character : text) {
        // The carriage return of a line break stands for all of it.
        const bool lineFeedAfterReturn = character == U'\n' && previous == U'\r';
        previous = character;
        if (lineFeedAfterReturn) {
            continue;
        }
        const unsigned traits =
            character < kTableSize ? kLatin1Traits[character] : traitsOf(character);
        judgement.symbols += has(traits, kSymbol);
        words.add(traits);
        ++judgement.characters;
    }
    words.endText();
    judgement.wordCharacters = words.characters;
    judgement.garbledCharacters = words.garbledCharacters;
    judgement.verdict = verdictFor(judgement);
    return judgement;
}

}  // namespace notes
