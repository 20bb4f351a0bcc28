// SPDX-License-Identifier: MIT
#include "live_note.h"

#include <QTextDocument>
#include <algorithm>
#include <iterator>

#include "note_edit.h"
#include "note_text.h"
#include "notes/character_codes.h"
#include "notes/recovered_text.h"

LiveNote::LiveNote(const cipher::TextCipher& textCipher, NoteEdit& textArea)
    : QObject(&textArea), cipher(textCipher), note(textArea) {
    countWhole();
    connect(note.document(), &QTextDocument::contentsChange, this, &LiveNote::contentsChanged);
    // Long enough for a typist's pause, short enough to come with the line.
    constexpr int kStillMilliseconds = 150;
    pieceCount.setSingleShot(true);
    pieceCount.setInterval(kStillMilliseconds);
    connect(&pieceCount, &QTimer::timeout, this, &LiveNote::countPieces);
}

notes::Outlook LiveNote::outlook() const {
    if (counted) {
        return *counted;
    }
    return tally.outlook(cipher, [this] { return readNote(note); });
}

void LiveNote::countPiecesSoon() {
    pieceCount.start();
}

void LiveNote::countPieces() {
    const auto text = [this] { return readNote(note); };
    counted = tally.outlook(cipher, text, notes::NoteTally::Pieces::Always);
    emit changed();
}

void LiveNote::contentsChanged(int position, int /*removed*/, int added) {
    counted.reset();
    pieceCount.stop();
    QTextDocument& document = *note.document();
    const QTextBlock first = document.findBlock(position);
    // A change of the whole text may count the end of the document in.
    const QTextBlock last =
        document.findBlock(std::min(position + added, document.characterCount() - 1));
    // Only a command's result, known beforehand, is counted whole: reading a
    // pasted text out at once would leave the heap holding megabytes more.
    if (first == document.firstBlock() && last == document.lastBlock() && expected.valid()) {
        countWhole();
        emit changed();
        return;
    }
    const int blocks = last.blockNumber() - first.blockNumber() + 1;
    const int before = blocks - (document.blockCount() - static_cast<int>(tally.lineCount()));
    // Each line is read once, for its counts and for the marks it has in a
    // note that needs codes.
    std::vector<notes::LineTally> lines;
    std::vector<NoteEdit::Runs> marks;
    for (QTextBlock block = first; block.isValid(); block = block.next()) {
        const std::u32string line = fromBlockText(block.text());
        lines.push_back(notes::tallyLine(cipher, line));
        marks.push_back(codePointRunsWithin(line, [this](char32_t character) {
            return notes::travelsAsCode(cipher, character, true);
        }));
        if (block == last) {
            break;
        }
    }
    tally.replaceLines(static_cast<std::size_t>(first.blockNumber()),
                       static_cast<std::size_t>(before), std::move(lines));
    const bool wasCoded = coded;
    coded = tally.needsCodes();
    setMarks(first, std::move(marks));
    // Whether the note needs codes decides the marks of every other line too.
    if (coded != wasCoded) {
        if (first != document.firstBlock()) {
            mark(document.firstBlock(), first.previous(), false);
        }
        if (last != document.lastBlock()) {
            mark(last.next(), document.lastBlock(), false);
        }
    }
    emit changed();
}

// Gives the blocks from first on these marks, one for each: none where the
// note needs no codes.
void LiveNote::setMarks(const QTextBlock& first, std::vector<NoteEdit::Runs> marks) {
    QTextBlock firstChanged;
    QTextBlock lastChanged;
    QTextBlock block = first;
    for (NoteEdit::Runs& runs : marks) {
        if (NoteEdit::setMarks(block, coded ? std::move(runs) : NoteEdit::Runs())) {
            firstChanged = firstChanged.isValid() ? firstChanged : block;
            lastChanged = block;
        }
        block = block.next();
    }
    if (firstChanged.isValid()) {
        note.repaintMarks(firstChanged, lastChanged);
    }
}

// The counts and marks of a whole text: its tally, whether it needs codes,
// and the marks of each line.
struct WholeCount {
    notes::NoteTally tally;
    bool coded = false;
    std::vector<NoteEdit::Runs> marks;
};

namespace {

// The tallies of a text's lines, and the marks each would have in a note
// that needs codes.
struct Lines {
    std::vector<notes::LineTally> tallies;
    std::vector<NoteEdit::Runs> marks;
};

Lines linesOf(const cipher::TextCipher& cipher, std::u32string_view text) {
    Lines lines;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t end = std::min(text.find(notes::kLineBreak, start), text.size());
        const std::u32string_view line = text.substr(start, end - start);
        lines.tallies.push_back(notes::tallyLine(cipher, line));
        lines.marks.push_back(codePointRunsWithin(line, [&cipher](char32_t character) {
            return notes::travelsAsCode(cipher, character, true);
        }));
        start = end + notes::kLineBreak.size();
    }
    return lines;
}

// Past this length the two halves of a text are counted side by side.
constexpr std::size_t kHalvesFrom = 100'000;

WholeCount countOf(const cipher::TextCipher& cipher, std::u32string_view text) {
    const std::size_t middle = text.size() < kHalvesFrom
                                   ? std::u32string_view::npos
                                   : text.find(notes::kLineBreak, text.size() / 2);
    Lines lines;
    if (middle == std::u32string_view::npos) {
        lines = linesOf(cipher, text);
    } else {
        auto firstHalf = std::async(std::launch::async, [&cipher, text, middle] {
            return linesOf(cipher, text.substr(0, middle));
        });
        Lines second = linesOf(cipher, text.substr(middle + notes::kLineBreak.size()));
        lines = firstHalf.get();
        std::move(second.tallies.begin(), second.tallies.end(), std::back_inserter(lines.tallies));
        std::move(second.marks.begin(), second.marks.end(), std::back_inserter(lines.marks));
    }
    WholeCount count;
    count.tally.replaceLines(0, 0, std::move(lines.tallies));
    count.coded = count.tally.needsCodes();
    count.marks = std::move(lines.marks);
    if (!count.coded) {
        for (NoteEdit::Runs& marks : count.marks) {
            marks.clear();
        }
    }
    return count;
}

}  // namespace

// A command's result is counted on another core while the text area takes
// it in, which for a million characters takes longer.
void LiveNote::expectWhole(std::u32string_view text) {
    expected = text.empty() ? std::future<std::shared_ptr<WholeCount>>()
                            : std::async(std::launch::async, [this, text] {
                                  return std::make_shared<WholeCount>(countOf(cipher, text));
                              });
}

// A change of the whole text, a paste over all of it or a command's
// result, is read out at once rather than line by line: a million
// characters come in sixteen thousand lines.
void LiveNote::countWhole() {
    std::shared_ptr<WholeCount> count = expected.valid() ? expected.get() : nullptr;
    // A carriage return of its own would have ended a line there as well.
    if (!count || count->marks.size() != static_cast<std::size_t>(note.blockCount())) {
        count = std::make_shared<WholeCount>(countOf(cipher, readNote(note)));
    }
    tally = std::move(count->tally);
    coded = count->coded;
    bool marksChanged = false;
    auto marks = count->marks.begin();
    for (QTextBlock block = note.document()->firstBlock(); block.isValid(); block = block.next()) {
        marksChanged = NoteEdit::setMarks(block, *marks++) || marksChanged;
    }
    if (marksChanged) {
        note.viewport()->update();
    }
}

// Each block keeps its own marks, so an edit leaves every mark outside the
// blocks it touched where it belongs.
void LiveNote::mark(const QTextBlock& first, const QTextBlock& last, bool whole) {
    QTextDocument& document = *note.document();
    const QTextBlock from = whole ? document.firstBlock() : first;
    const QTextBlock to = whole ? document.lastBlock() : last;
    const auto travelsAsCode = [this](char32_t character) {
        return notes::travelsAsCode(cipher, character, coded);
    };
    QTextBlock firstChanged;
    QTextBlock lastChanged;
    for (QTextBlock block = from; block.isValid(); block = block.next()) {
        // Without codes nothing is marked: no need to look at the characters.
        NoteEdit::Runs runs = coded ? runsWithin(block.text(), travelsAsCode) : NoteEdit::Runs();
        if (NoteEdit::setMarks(block, std::move(runs))) {
            firstChanged = firstChanged.isValid() ? firstChanged : block;
            lastChanged = block;
        }
        if (block == to) {
            break;
        }
    }
    if (firstChanged.isValid()) {
        note.repaintMarks(firstChanged, lastChanged);
    }
}
