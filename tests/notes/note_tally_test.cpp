// SPDX-License-Identifier: MIT
#include "notes/note_tally.h"

#include <gtest/gtest.h>

#include <random>

#include "cipher/text_cipher.h"
#include "cipher/zero_groups.h"
#include "notes/encryption_plan.h"
#include "notes/offered_line.h"
#include "notes/plain_forms.h"
#include "notes/recovered_text.h"
#include "sample_texts.h"

namespace {

const cipher::TextCipher kCipher;
using Verdict = notes::Outlook::Verdict;

// A line of alphabet characters with, now and then, letters and signs the
// alphabet lacks, ampersands and codes.
std::u32string anyLine(std::size_t length, std::mt19937& random) {
    static const std::u32string_view kExtras[] = {U"ß",     U"\t",      U"\U0001F600", U"&",
                                                  U"&amp;", U"&szlig;", U"&#9;",       U"\u2019",
                                                  U"É",     U"\r",      U"\n"};
    std::uniform_int_distribution<int> chance(0, 11);
    std::uniform_int_distribution<std::size_t> extra(0, std::size(kExtras) - 1);
    std::u32string line;
    while (line.size() < length) {
        if (chance(random) == 0) {
            line += kExtras[extra(random)];
        } else {
            line += samples::alphabetText(kCipher, 1, random);
        }
        // A carriage return and a line feed side by side would be a line break.
        const std::size_t pair = line.find(notes::kLineBreak);
        if (pair != std::u32string::npos) {
            line.erase(pair, 1);
        }
    }
    return line;
}

std::u32string joined(const std::vector<std::u32string>& lines) {
    std::u32string note;
    for (std::size_t index = 0; index < lines.size(); ++index) {
        if (index != 0) {
            note += notes::kLineBreak;
        }
        note += lines[index];
    }
    return note;
}

void expectSame(const notes::Outlook& got, const notes::Outlook& wanted) {
    EXPECT_EQ(got.verdict, wanted.verdict);
    EXPECT_EQ(got.length.characters, wanted.length.characters);
    EXPECT_EQ(got.length.lineBreaks, wanted.length.lineBreaks);
    EXPECT_EQ(got.length.addedByCodes, wanted.length.addedByCodes);
    EXPECT_EQ(got.added, wanted.added);
    EXPECT_EQ(got.pieces, wanted.pieces);
    EXPECT_EQ(got.codes.count, wanted.codes.count);
    EXPECT_EQ(got.codes.addedLength, wanted.codes.addedLength);
    EXPECT_EQ(got.codes.kinds, wanted.codes.kinds);
    EXPECT_EQ(got.plainFormsHelp, wanted.plainFormsHelp);
}

// The outlook as its parts define it, from the whole note.
notes::Outlook definedOutlook(const std::u32string& note) {
    notes::Outlook outlook;
    outlook.codes = notes::codedCharacters(kCipher, note);
    outlook.length = notes::measureText(note, outlook.codes.addedLength);
    for (const notes::CodedCharacter& kind : outlook.codes.kinds) {
        outlook.plainFormsHelp = outlook.plainFormsHelp || notes::plainForm(kind.character);
    }
    if (!outlook.length.fits()) {
        outlook.verdict = Verdict::InPieces;
        outlook.pieces = 0;
        return outlook;
    }
    const notes::EncryptionPlan plan =
        notes::planEncryption(kCipher, notes::withCodes(kCipher, note));
    outlook.added = plan.added();
    outlook.pieces = plan.pieces.size();
    if (!plan.asItStands()) {
        outlook.verdict = plan.pieces.size() == 1 ? Verdict::WithEnding : Verdict::InPieces;
    }
    return outlook;
}

TEST(NoteTally, GivesTheOutlookThatTheWholeNoteDefines) {
    std::mt19937 random(97);
    std::uniform_int_distribution<std::size_t> lineCount(1, 60);
    std::uniform_int_distribution<std::size_t> lineLength(0, 90);
    for (int round = 0; round < 200; ++round) {
        std::vector<std::u32string> lines(lineCount(random));
        for (std::u32string& line : lines) {
            line = anyLine(lineLength(random), random);
        }
        const std::u32string note = joined(lines);
        expectSame(notes::outlookOf(kCipher, note), definedOutlook(note));
    }
    expectSame(notes::outlookOf(kCipher, U""), definedOutlook(U""));
    expectSame(notes::outlookOf(kCipher, U"\r\n"), definedOutlook(U"\r\n"));
    expectSame(notes::outlookOf(kCipher, U"&Eacute;\r\n&amp;"),
               definedOutlook(U"&Eacute;\r\n&amp;"));
}

// Edits that split, join, add and remove lines, as the text area makes them.
TEST(NoteTally, FollowsEditsLineByLine) {
    std::mt19937 random(101);
    std::uniform_int_distribution<std::size_t> lineLength(0, 80);
    std::vector<std::u32string> lines = {anyLine(30, random)};
    notes::NoteTally tally(kCipher, lines.front());
    for (int edit = 0; edit < 400; ++edit) {
        std::uniform_int_distribution<std::size_t> first(0, lines.size() - 1);
        const std::size_t from = first(random);
        std::uniform_int_distribution<std::size_t> count(
            1, std::min<std::size_t>(3, lines.size() - from));
        const std::size_t removed = count(random);
        std::uniform_int_distribution<std::size_t> added(1, 3);
        std::vector<std::u32string> fresh(added(random));
        std::vector<notes::LineTally> tallies;
        for (std::u32string& line : fresh) {
            line = anyLine(lineLength(random), random);
            tallies.push_back(notes::tallyLine(kCipher, line));
        }
        lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(from),
                    lines.begin() + static_cast<std::ptrdiff_t>(from + removed));
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(from), fresh.begin(), fresh.end());
        tally.replaceLines(from, removed, std::move(tallies));
        ASSERT_EQ(tally.lineCount(), lines.size());
        const std::u32string note = joined(lines);
        ASSERT_EQ(tally.needsCodes(), notes::needsCodes(kCipher, note));
        expectSame(tally.outlook(kCipher, [&note] { return note; }), definedOutlook(note));
        if (::testing::Test::HasFailure()) {
            return;
        }
    }
}

}  // namespace
