// SPDX-License-Identifier: MIT
#include "notes/cut_short.h"

#include <limits>
#include <vector>

#include "cipher/limits.h"
#include "cipher/text_cipher.h"
#include "notes/recovered_text.h"
#include "notes/text_judgement.h"

namespace notes {
namespace {

// In nats (see text_judgement.h). A guess must read like text by this much
// to count, and beat every other guess by this much for its count and end
// to be known. Decryptions of short random texts reach up to about 5 with
// one of the guesses.
constexpr double kEnoughEvidence = 5;
constexpr double kClearlyMore = 5;

struct Guess {
    std::size_t atStart = 0;
    std::size_t atEnd = 0;
};

// The evidence of the decryption of the text with the guessed characters put
// back, whatever they were: only the characters of the note that take no
// digit from them are weighed.
double evidenceWith(const cipher::TextCipher& cipher, const std::vector<int>& positions,
                    Guess guess) {
    const std::size_t kept = positions.size();
    const std::size_t whole = kept + guess.atStart + guess.atEnd;
    TextEvidence evidence;
    // Gathering reads digit r of every cipher character in turn, for r from 0 to 6.
    std::size_t row = 0;
    std::size_t column = 0;
    bool pendingZero = false;
    for (std::size_t character = 0; character < whole; ++character) {
        int value = 0;
        bool known = true;
        for (std::size_t digit = 0; digit < cipher::kCodeLength; ++digit) {
            const bool inText = column >= guess.atStart && column < guess.atStart + kept;
            known = known && inText;
            const int bit =
                inText ? positions[column - guess.atStart] >> (cipher::kCodeLength - 1 - row) & 1
                       : 0;
            value = value << 1 | bit;
            if (++column == whole) {
                column = 0;
                ++row;
            }
        }
        // Two zero groups are a line break, one alone a lost character.
        if (known && value == 0) {
            if (pendingZero) {
                evidence.add(U'\n');
            }
            pendingZero = !pendingZero;
            continue;
        }
        if (pendingZero) {
            evidence.add(kReplacementCharacter);
            pendingZero = false;
        }
        if (known) {
            evidence.add(cipher.alphabetCharacter(value));
        }
    }
    if (pendingZero) {
        evidence.add(kReplacementCharacter);
    }
    return evidence.nats();
}

}  // namespace

std::optional<CutShort> cutShortOf(const cipher::TextCipher& cipher, std::u32string_view text,
                                   double evidenceToBeat) {
    if (text.empty() || text.size() + kMostMissing > cipher::kMaxTextLength) {
        return std::nullopt;
    }
    std::vector<int> positions;
    positions.reserve(text.size());
    for (const char32_t character : text) {
        const int position = cipher.alphabetPosition(character);
        if (position == 0) {
            return std::nullopt;
        }
        positions.push_back(position);
    }
    double best = -std::numeric_limits<double>::infinity();
    double secondBest = best;
    CutShort likeliest;
    for (std::size_t missing = 1; missing <= kMostMissing; ++missing) {
        for (const bool atStart : {false, true}) {
            const double evidence =
                evidenceWith(cipher, positions, atStart ? Guess{missing, 0} : Guess{0, missing});
            if (evidence > best) {
                secondBest = best;
                best = evidence;
                likeliest = {atStart ? CutShort::Where::AtStart : CutShort::Where::AtEnd, missing};
            } else if (evidence > secondBest) {
                secondBest = evidence;
            }
        }
    }
    if (best < kEnoughEvidence || best < evidenceToBeat) {
        return std::nullopt;
    }
    return best - secondBest < kClearlyMore ? CutShort{} : likeliest;
}

}  // namespace notes
