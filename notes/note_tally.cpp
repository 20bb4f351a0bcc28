// SPDX-License-Identifier: MIT
#include "notes/note_tally.h"

#include <algorithm>
#include <future>
#include <iterator>

#include "cipher/alphabet_values.h"
#include "cipher/text_cipher.h"
#include "cipher/zero_groups.h"
#include "notes/encryption_plan.h"
#include "notes/plain_forms.h"
#include "notes/recovered_text.h"

namespace notes {

LineTally tallyLine(const cipher::TextCipher& cipher, std::u32string_view line) {
    LineTally tally;
    tally.characters = line.size();
    tally.ampersandReading = readAmpersands(cipher, line);
    for (char32_t character : line) {
        if (!travelsAsCode(cipher, character, true)) {
            continue;
        }
        // Each kind's code and plain form are looked up once: a line of a
        // long note may hold the same coded character many times.
        auto known = std::find_if(
            tally.kinds.begin(), tally.kinds.end(),
            [character](const LineTally::Kind& kind) { return kind.character == character; });
        if (known == tally.kinds.end()) {
            tally.kinds.push_back(
                {character, 0, static_cast<std::uint32_t>(codeFor(character).size())});
            known = std::prev(tally.kinds.end());
            tally.plainForms = tally.plainForms || plainForm(character).has_value();
        }
        ++known->count;
        if (character == U'&') {
            ++tally.ampersands;
        } else {
            ++tally.outside;
            tally.addedByOutsideCodes += known->codeLength - 1;
        }
    }
    return tally;
}

namespace {

// Past this length the two halves of a text are counted side by side.
constexpr std::size_t kHalvesFrom = 100'000;

std::vector<LineTally> tallyEachLine(const cipher::TextCipher& cipher, std::u32string_view text) {
    std::vector<LineTally> all;
    std::size_t start = 0;
    for (std::size_t lineBreak = text.find(kLineBreak); lineBreak != std::u32string_view::npos;
         lineBreak = text.find(kLineBreak, start)) {
        all.push_back(tallyLine(cipher, text.substr(start, lineBreak - start)));
        start = lineBreak + kLineBreak.size();
    }
    all.push_back(tallyLine(cipher, text.substr(start)));
    return all;
}

}  // namespace

std::vector<LineTally> tallyLines(const cipher::TextCipher& cipher, std::u32string_view text) {
    const std::size_t middle = text.size() < kHalvesFrom ? std::u32string_view::npos
                                                         : text.find(kLineBreak, text.size() / 2);
    if (middle == std::u32string_view::npos) {
        return tallyEachLine(cipher, text);
    }
    auto firstHalf = std::async(std::launch::async, [&cipher, text, middle] {
        return tallyEachLine(cipher, text.substr(0, middle));
    });
    std::vector<LineTally> second = tallyEachLine(cipher, text.substr(middle + kLineBreak.size()));
    std::vector<LineTally> lines = firstHalf.get();
    std::move(second.begin(), second.end(), std::back_inserter(lines));
    return lines;
}

NoteTally::NoteTally(const cipher::TextCipher& cipher, std::u32string_view note)
    : NoteTally(tallyLines(cipher, note)) {}

// A text counted whole is one a command is about to show, or has just
// shown: its codes are added up now, rather than on the way to the screen.
NoteTally::NoteTally(std::vector<LineTally> wholeText) : lines(std::move(wholeText)) {
    for (const LineTally& line : lines) {
        characters += line.characters;
    }
    static_cast<void>(codeSummary());
}

void NoteTally::replaceLines(std::size_t first, std::size_t count, std::vector<LineTally> fresh) {
    const auto from = lines.begin() + static_cast<std::ptrdiff_t>(first);
    const auto to = from + static_cast<std::ptrdiff_t>(count);
    // The order of the kinds is that of their first appearance: it stays
    // when each line is replaced by one with the same kinds in the same
    // order, as a keystroke most often does.
    const auto sameKinds = [](const LineTally& one, const LineTally& other) {
        return std::equal(one.kinds.begin(), one.kinds.end(), other.kinds.begin(),
                          other.kinds.end(),
                          [](const LineTally::Kind& a, const LineTally::Kind& b) {
                              return a.character == b.character;
                          });
    };
    if (summary && count == fresh.size() && std::equal(from, to, fresh.begin(), sameKinds)) {
        for (std::size_t index = 0; index < count; ++index) {
            summary->add(*(from + static_cast<std::ptrdiff_t>(index)), -1);
            summary->add(fresh[index], 1);
        }
    } else {
        summary.reset();
    }
    for (auto line = from; line != to; ++line) {
        characters -= line->characters;
    }
    for (const LineTally& line : fresh) {
        characters += line.characters;
    }
    // A keystroke replaces one line by one: in place, without moving the rest.
    if (count == fresh.size()) {
        std::move(fresh.begin(), fresh.end(), from);
        return;
    }
    lines.erase(from, to);
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(first),
                 std::make_move_iterator(fresh.begin()), std::make_move_iterator(fresh.end()));
}

void CodeSummary::add(const LineTally& line, int sign) {
    const auto change = [sign](std::size_t& total, std::size_t by) {
        total = sign > 0 ? total + by : total - by;
    };
    for (const LineTally::Kind& kind : line.kinds) {
        const auto known = std::find_if(
            codes.kinds.begin(), codes.kinds.end(),
            [&kind](const CodedCharacter& seen) { return seen.character == kind.character; });
        change(known->count, kind.count);
        if (kind.character == U'&') {
            change(codes.addedLength, (known->code.size() - 1) * kind.count);
        }
    }
    change(outside, line.outside);
    change(reading.bare, line.ampersandReading.bare);
    change(reading.telling, line.ampersandReading.telling);
    change(linesWithPlainForms, line.plainForms ? 1 : 0);
    change(codes.count, line.outside + line.ampersands);
    change(codes.addedLength, line.addedByOutsideCodes);
}

const CodeSummary& NoteTally::codeSummary() const {
    if (summary) {
        return *summary;
    }
    CodeSummary& total = summary.emplace();
    for (const LineTally& line : lines) {
        for (const LineTally::Kind& kind : line.kinds) {
            const auto known = std::find_if(
                total.codes.kinds.begin(), total.codes.kinds.end(),
                [&kind](const CodedCharacter& seen) { return seen.character == kind.character; });
            if (known == total.codes.kinds.end()) {
                total.codes.kinds.push_back({kind.character, 0, codeFor(kind.character)});
            }
        }
        total.add(line, 1);
    }
    return total;
}

bool NoteTally::needsCodes() const {
    return codeSummary().needsCodes();
}

Outlook NoteTally::lengthOutlook() const {
    Outlook outlook;
    const CodeSummary& codes = codeSummary();
    if (codes.needsCodes()) {
        outlook.codes = codes.codes;
    }
    outlook.plainFormsHelp = codes.linesWithPlainForms != 0;
    const std::size_t lineBreaks = lines.empty() ? 0 : lines.size() - 1;
    const std::size_t added = outlook.codes.addedLength;
    outlook.length = {characters + kLineBreak.size() * lineBreaks + added, lineBreaks, added};
    if (!outlook.length.fitsNote()) {
        outlook.verdict = Outlook::Verdict::TooLong;
    }
    return outlook;
}

void NoteTally::countPieces(Outlook& outlook, const EncryptionPlan& plan) {
    outlook.added = plan.added();
    outlook.pieces = plan.pieces.size();
    if (!plan.asItStands()) {
        outlook.verdict =
            outlook.pieces == 1 ? Outlook::Verdict::WithEnding : Outlook::Verdict::InPieces;
    }
}

Outlook NoteTally::outlook(const cipher::TextCipher& cipher,
                           const std::function<std::u32string()>& note, Pieces pieces) const {
    Outlook outlook = lengthOutlook();
    if (outlook.verdict == Outlook::Verdict::TooLong) {
        return outlook;
    }
    if (!outlook.length.fits() && pieces == Pieces::WithinLimit) {
        outlook.verdict = Outlook::Verdict::InPieces;
        outlook.pieces = 0;
        return outlook;
    }
    const std::u32string text = outlook.codes.any() ? notes::coded(cipher, note()) : note();
    countPieces(outlook, planEncryption(cipher, text));
    return outlook;
}

Outlook NoteTally::outlook(const EncryptionPlan& plan) const {
    Outlook outlook = lengthOutlook();
    if (outlook.verdict != Outlook::Verdict::TooLong) {
        countPieces(outlook, plan);
    }
    return outlook;
}

}  // namespace notes
