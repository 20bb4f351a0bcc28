// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace notes {

// Whether a text reads like text: what tells the decryption of a note from
// the decryption of a text that was not its cipher text. Every text over the
// alphabet decrypts to something; when the input was not a cipher text (a
// note decrypted by mistake, a cipher text that picked up a space or a line
// break on the way) the result is close to random alphabet characters: about
// a third of them punctuation and symbols, hardly a space, and capitals and
// digits in the middle of "words".
//
// The rule: a text reads like text when at most 3 in 10 of its characters
// are punctuation or symbols, and at most half of the characters of its
// words are in garbled words. A word is a run of characters between white
// space and hyphens, and it is garbled when it holds a capital right after a
// small letter that none of a to z follows ("aB", "aBé", but not "WhatsApp"),
// a single digit between two letters ("a1b"), or one of the symbols
// { } < > ^ | \ ` ± that notes hardly ever hold.
//
// Texts of fewer than 12 characters are not judged. Characters are counted
// as typed: a line break (carriage return + line feed) is one. Punctuation
// and symbols are those of ASCII and Latin-1, the dashes, quotes, bullets and
// ellipsis of Unicode's general punctuation, and the currency signs. Every
// other character that is neither white space nor a digit counts as a
// letter: letters of any script, emoji, and the mark of a character that
// could not come back, which most often stands for a letter such as ß or ã.
// Small letters and capitals are those of Latin-1; other scripts have no
// case here.

// A share, as the fraction parts / of. A text exactly at a limit is within it.
struct Share {
    std::size_t parts;
    std::size_t of;
};

// Shorter texts say too little to judge.
inline constexpr std::size_t kShortestJudgedText = 12;
// Punctuation and symbols: at most this share of the characters.
inline constexpr Share kMostSymbols{3, 10};
// Characters in garbled words: at most this share of the characters of all words.
inline constexpr Share kMostGarbled{1, 2};
// Symbols of the alphabet that garble a word: a note hardly ever holds one.
inline constexpr std::u32string_view kGarblingSymbols = U"{}<>^|\\`±";

struct TextJudgement {
    enum class Verdict : std::uint8_t {
        ReadsLikeText,
        DoesNotReadLikeText,
        TooShort,  // fewer than kShortestJudgedText characters
    };

    Verdict verdict = Verdict::TooShort;
    // What the verdict was drawn from.
    std::size_t characters{};  // as typed: a line break counts once
    std::size_t symbols{};     // punctuation and symbols
    std::size_t wordCharacters{};
    std::size_t garbledCharacters{};  // characters of garbled words

    [[nodiscard]] bool readsLikeText() const { return verdict == Verdict::ReadsLikeText; }
    [[nodiscard]] bool doesNotReadLikeText() const {
        return verdict == Verdict::DoesNotReadLikeText;
    }
};

// Judges a text of any length, in one pass over it; never throws.
[[nodiscard]] TextJudgement judgeText(std::u32string_view text) noexcept;

}  // namespace notes
