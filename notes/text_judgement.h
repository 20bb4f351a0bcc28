// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace notes {

// Whether a text reads like text: what tells the decryption of a note from
// the decryption of a text that was not its cipher text. Every text over the
// alphabet decrypts to something; when the input was not a cipher text (a
// note decrypted by mistake, a cipher text that picked up a space or lost a
// character on the way) the result is close to uniformly random alphabet
// characters: a quarter accented letters and signs, a quarter punctuation and
// symbols, the rest letters and digits in no order, and hardly a space.
//
// The judgement weighs how likely the text is as such uniform characters
// against how likely it is as something a person wrote. A person writes each
// word in one of three ways, each with its own shares of kinds of character:
// prose (small letters, a few capitals, digits and punctuation, accented
// letters), generated codes such as passwords and keys (any printable ASCII
// character alike, nothing else) and technical text such as command lines,
// markup and web addresses (small letters, digits, punctuation and symbols).
// Each word is taken the way that makes it likeliest; spaces and line breaks
// between words are far likelier in a person's text than in uniform
// characters. A text reads like text when, so weighed, it is likelier as a
// person's text than as uniform characters.
//
// Texts of fewer than 12 characters are not judged. Characters are counted
// as typed: a line break (carriage return + line feed) is one.

// Shorter texts say too little to judge.
inline constexpr std::size_t kShortestJudgedText = 12;

// The kinds of character the judgement tells apart.
enum class CharacterKind : std::uint8_t {
    SmallLetter,     // a to z
    Capital,         // A to Z
    Digit,           // 0 to 9
    Punctuation,     // . , : ; ' ! ? - ( ) " /
    Symbol,          // ASCII's other signs, and control characters
    AccentedLetter,  // the alphabet's 23 accented small letters, à to ü
    Sign,            // the alphabet's « » ° ± ² ³ € ¡ ¿
    Mark,            // U+FFFD, where Decrypt Text could not bring a character back
    Other,           // any character outside the alphabet: ß, É, Cyrillic, emoji, ’ …
    Space,           // U+0020
    LineBreak,       // carriage return, line feed, or both together
    OtherSpace,      // tab, no-break space and the other white space
};

inline constexpr std::size_t kCharacterKinds = 12;

[[nodiscard]] CharacterKind kindOf(char32_t character) noexcept;

// The three ways a person writes a word.
inline constexpr std::size_t kWritings = 3;

// How much likelier a text is as a person's text than as uniform alphabet
// characters, added up a character at a time: the natural logarithm of that
// ratio, in nats. Positive means likelier as a person's text.
class TextEvidence {
  public:
    void add(char32_t character) noexcept;

    [[nodiscard]] double nats() const noexcept;
    // Characters as typed: a line break counts once.
    [[nodiscard]] std::size_t characters() const noexcept { return count; }

  private:
    void endWord() noexcept;

    double betweenWords = 0;
    // The word being read, the way of each writing.
    std::array<double, kWritings> word{};
    bool inWord = false;
    bool afterReturn = false;
    std::size_t count = 0;
};

struct TextJudgement {
    enum class Verdict : std::uint8_t {
        ReadsLikeText,
        DoesNotReadLikeText,
        TooShort,  // fewer than kShortestJudgedText characters
    };

    Verdict verdict = Verdict::TooShort;
    // What the verdict was drawn from.
    std::size_t characters{};  // as typed: a line break counts once
    double evidence{};         // see TextEvidence

    [[nodiscard]] bool readsLikeText() const { return verdict == Verdict::ReadsLikeText; }
    [[nodiscard]] bool doesNotReadLikeText() const {
        return verdict == Verdict::DoesNotReadLikeText;
    }
};

// Judges a text of any length, in one pass over it; never throws.
[[nodiscard]] TextJudgement judgeText(std::u32string_view text) noexcept;

}  // namespace notes
