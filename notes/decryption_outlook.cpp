// SPDX-License-Identifier: MIT
#include "notes/decryption_outlook.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "notes/outside_characters.h"
#include "notes/text_judgement.h"

namespace notes {
namespace {

using Verdict = DecryptionOutlook::Verdict;

// The spaces a text begins or ends with.
std::size_t leadingSpaces(std::u32string_view text) {
    const std::size_t first = text.find_first_not_of(U' ');
    return first == std::u32string_view::npos ? text.size() : first;
}

std::size_t trailingSpaces(std::u32string_view text) {
    const std::size_t last = text.find_last_not_of(U' ');
    return last == std::u32string_view::npos ? text.size() : text.size() - 1 - last;
}

// How many of its spaces at one end a text may have picked up: one or two,
// most often, or all of them; the rest may be the cipher text's own.
std::vector<std::size_t> spaceCounts(std::size_t spaces) {
    std::vector<std::size_t> counts;
    for (const std::size_t count : {std::size_t{0}, std::size_t{1}, std::size_t{2}, spaces}) {
        if (count <= spaces && (counts.empty() || count > counts.back())) {
            counts.push_back(count);
        }
    }
    return counts;
}

// What the text may have picked up: the characters that no cipher text has
// always, and some of the spaces at either end, the fewest first and those
// at the end before those at the start.
std::vector<PickedUp> waysItPickedUp(const cipher::TextCipher& cipher, std::u32string_view text) {
    const PickedUp certain = pickedUp(cipher, text, false, false);
    const std::u32string_view rest = certain.rest;
    const std::size_t atStart = leadingSpaces(rest);
    const std::size_t atEnd = atStart == rest.size() ? 0 : trailingSpaces(rest);
    std::vector<PickedUp> ways;
    for (const std::size_t start : spaceCounts(atStart)) {
        for (const std::size_t end : spaceCounts(atEnd)) {
            PickedUp way = certain;
            way.atStart.spaces += start;
            way.atEnd.spaces += end;
            way.rest = rest.substr(start, rest.size() - start - end);
            if (way.any() && !way.rest.empty()) {
                ways.push_back(std::move(way));
            }
        }
    }
    std::stable_sort(ways.begin(), ways.end(), [](const PickedUp& left, const PickedUp& right) {
        return left.rest.size() > right.rest.size() || (left.rest.size() == right.rest.size() &&
                                                        left.atStart.spaces < right.atStart.spaces);
    });
    return ways;
}

// Of the ways that decrypt whole into text, the likeliest, and how its
// decryption was judged. A space taken off is one character fewer that
// uniform characters would have had to make, one chance in 128; characters
// that no cipher text has are taken off in every way alike. Decryptions too
// short to judge say nothing of how likely they are: the first of them is
// taken, and only where no way decrypts into text long enough to judge.
std::optional<TextJudgement> findDecryptionWithout(const cipher::TextCipher& cipher,
                                                   std::u32string_view text,
                                                   DecryptionOutlook& outlook) {
    const double spaceCost = std::log(128.0);
    std::optional<TextJudgement> best;
    double bestLikelihood = 0;
    for (PickedUp& way : waysItPickedUp(cipher, text)) {
        DecryptedNote decrypted = decryptNote(cipher, way.rest);
        const TextJudgement judgement = judgeText(decrypted.text);
        const double likelihood =
            judgement.evidence -
            spaceCost * static_cast<double>(way.atStart.spaces + way.atEnd.spaces);
        const bool likelier = !best || (judgement.readsLikeText() &&
                                        (!best->readsLikeText() || likelihood > bestLikelihood));
        if (decrypted.complete() && !judgement.doesNotReadLikeText() && likelier) {
            outlook.pickedUp = std::move(way);
            outlook.withoutPickedUp = std::move(decrypted);
            best = judgement;
            bestLikelihood = likelihood;
        }
    }
    return best;
}

// Whether the decryption without what the text picked up takes the place of
// one that reads like text as the text stands. Characters that no cipher
// text has were picked up for certain, so it does whenever it is judged to
// read like text; spaces may be the cipher text's own, so only when it reads
// clearly more like text.
bool betterWithout(const DecryptionOutlook& outlook, const TextJudgement& asItStands,
                   const TextJudgement& without) {
    if (!outlook.decrypted.complete() || !outlook.readsLikeText) {
        return true;
    }
    if (outlook.strays.withLineBreaks() != 0) {
        return without.readsLikeText();
    }
    return asItStands.readsLikeText() && without.readsLikeText() &&
           without.evidence > asItStands.evidence + kClearlyBetter;
}

// A decryption that reads like text only just, as a decryption of uniform
// characters does now and then, is looked at again: a cipher text cut short
// decrypts into that, and the note's own text is far likelier.
constexpr double kReadsLikeTextOnlyJust = 10;

Verdict verdictOf(const cipher::TextCipher& cipher, DecryptionOutlook& outlook,
                  std::u32string_view text, const TextJudgement& judgement, bool betterWithout) {
    const bool whole = outlook.decrypted.complete();
    const bool strays = outlook.strays.withLineBreaks() != 0;
    const bool asItStands = whole && outlook.readsLikeText;
    if (outlook.withoutPickedUp && betterWithout) {
        return Verdict::PickedUp;
    }
    if (asItStands && !strays) {
        if (judgement.readsLikeText() && judgement.evidence < kReadsLikeTextOnlyJust) {
            outlook.cutShort = cutShortOf(cipher, text, judgement.evidence + kClearlyBetter);
        }
        return outlook.cutShort ? Verdict::CutShort : Verdict::Decrypts;
    }
    if (!outlook.readsLikeText && judgeText(text).readsLikeText()) {
        return Verdict::NotACipherText;
    }
    if (asItStands) {
        return Verdict::DecryptsDespitePickedUp;
    }
    outlook.cutShort = cutShortOf(cipher, alphabetOnly(cipher, text), judgement.evidence);
    if (outlook.cutShort) {
        return Verdict::CutShort;
    }
    return whole && !strays ? Verdict::DecryptsIntoNoText : Verdict::CannotComeBack;
}

}  // namespace

DecryptionOutlook decryptionOutlookOf(const cipher::TextCipher& cipher, std::u32string_view text) {
    DecryptionOutlook outlook;
    outlook.length = measureText(text);
    if (!outlook.length.fits()) {
        outlook.verdict = Verdict::TooLong;
        return outlook;
    }
    outlook.decrypted = decryptNote(cipher, text);
    const TextJudgement judgement = judgeText(outlook.decrypted.text);
    // A text too short to judge is given the benefit of the doubt.
    outlook.readsLikeText = !judgement.doesNotReadLikeText();
    outlook.evidence = judgement.evidence;
    outlook.strays = charactersOutside(cipher, text);
    std::optional<TextJudgement> without;
    if (!outlook.decrypted.complete() || !outlook.readsLikeText ||
        outlook.strays.withLineBreaks() != 0 || leadingSpaces(text) + trailingSpaces(text) != 0) {
        without = findDecryptionWithout(cipher, text, outlook);
    }
    outlook.verdict = verdictOf(cipher, outlook, text, judgement,
                                without && betterWithout(outlook, judgement, *without));
    return outlook;
}

}  // namespace notes
