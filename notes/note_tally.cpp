// SPDX-License-Identifier: MIT
#include "notes/note_tally.h"

#include <algorithm>
#include <iterator>

#include "cipher/alphabet_values.h"
#include "cipher/text_cipher.h"
#include "cipher/zero_groups.h"
#include "notes/plain_forms.h"
#include "notes/position_rules.h"
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
        std::u32string code = codeFor(character);
        if (character == U'&') {
            ++tally.ampersands;
        } else {
            ++tally.outside;
            tally.addedByOutsideCodes += code.size() - 1;
            tally.plainForms = tally.plainForms || plainForm(character).has_value();
        }
        const auto known = std::find_if(
            tally.kinds.begin(), tally.kinds.end(),
            [character](const CodedCharacter& kind) { return kind.character == character; });
        if (known == tally.kinds.end()) {
            tally.kinds.push_back({character, 1, std::move(code)});
        } else {
            ++known->count;
        }
    }
    tally.positions = cipher::alphabetPositions(cipher, line);
    tally.codedPositions = tally.kinds.empty()
                               ? tally.positions
                               : cipher::alphabetPositions(cipher, coded(cipher, line));
    return tally;
}

NoteTally::NoteTally(const cipher::TextCipher& cipher, std::u32string_view note) {
    std::size_t start = 0;
    for (std::size_t lineBreak = note.find(kLineBreak); lineBreak != std::u32string_view::npos;
         lineBreak = note.find(kLineBreak, start)) {
        lines.push_back(tallyLine(cipher, note.substr(start, lineBreak - start)));
        start = lineBreak + kLineBreak.size();
    }
    lines.push_back(tallyLine(cipher, note.substr(start)));
}

void NoteTally::replaceLines(std::size_t first, std::size_t count, std::vector<LineTally> fresh) {
    const auto from = lines.begin() + static_cast<std::ptrdiff_t>(first);
    lines.erase(from, from + static_cast<std::ptrdiff_t>(count));
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(first),
                 std::make_move_iterator(fresh.begin()), std::make_move_iterator(fresh.end()));
}

bool NoteTally::needsCodes() const {
    std::size_t outside = 0;
    AmpersandReading reading;
    for (const LineTally& line : lines) {
        outside += line.outside;
        reading.bare += line.ampersandReading.bare;
        reading.telling += line.ampersandReading.telling;
    }
    return outside != 0 || (reading.bare == 0 && reading.telling != 0);
}

CodedCharacters NoteTally::codedCharacters() const {
    CodedCharacters codes;
    for (const LineTally& line : lines) {
        codes.count += line.outside + line.ampersands;
        codes.addedLength += line.addedByOutsideCodes;
        for (const CodedCharacter& kind : line.kinds) {
            if (kind.character == U'&') {
                codes.addedLength += (kind.code.size() - 1) * kind.count;
            }
            const auto known = std::find_if(
                codes.kinds.begin(), codes.kinds.end(),
                [&kind](const CodedCharacter& seen) { return seen.character == kind.character; });
            if (known == codes.kinds.end()) {
                codes.kinds.push_back(kind);
            } else {
                known->count += kind.count;
            }
        }
    }
    return codes;
}

Outlook NoteTally::outlook(const cipher::TextCipher& cipher) const {
    Outlook outlook;
    const bool coded = needsCodes();
    if (coded) {
        outlook.codes = codedCharacters();
    }
    std::size_t characters = 0;
    for (const LineTally& line : lines) {
        characters += line.characters;
        outlook.plainFormsHelp = outlook.plainFormsHelp || line.plainForms;
    }
    const std::size_t lineBreaks = lines.empty() ? 0 : lines.size() - 1;
    const std::size_t added = outlook.codes.addedLength;
    outlook.length = {characters + kLineBreak.size() * lineBreaks + added, lineBreaks, added};
    if (!outlook.length.fits()) {
        outlook.verdict = Outlook::Verdict::TooLong;
        return outlook;
    }
    cipher::GroupValues positions;
    positions.reserve(outlook.length.characters);
    for (std::size_t index = 0; index < lines.size(); ++index) {
        if (index != 0) {
            positions.insert(positions.end(), kLineBreak.size(), 0);
        }
        const cipher::GroupValues& line =
            coded ? lines[index].codedPositions : lines[index].positions;
        positions.insert(positions.end(), line.begin(), line.end());
    }
    if (!cipher::encryptsPositions(positions)) {
        outlook.padding = detail::offeredLineFor(cipher, std::move(positions));
        outlook.verdict =
            outlook.padding ? Outlook::Verdict::NeedsPadding : Outlook::Verdict::CannotBePadded;
    }
    return outlook;
}

}  // namespace notes
