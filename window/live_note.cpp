// SPDX-License-Identifier: MIT
#include "live_note.h"

#include <QTextDocument>
#include <algorithm>

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
    counted = tally.outlook(
        cipher, [this] { return readNote(note); }, notes::NoteTally::Pieces::Always);
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
    if (first == document.firstBlock() && last == document.lastBlock()) {
        countWhole();
        emit changed();
        return;
    }
    const int blocks = last.blockNumber() - first.blockNumber() + 1;
    const int before = blocks - (document.blockCount() - static_cast<int>(tally.lineCount()));
    std::vector<notes::LineTally> lines;
    for (QTextBlock block = first; block.isValid(); block = block.next()) {
        lines.push_back(notes::tallyLine(cipher, fromBlockText(block.text())));
        if (block == last) {
            break;
        }
    }
    tally.replaceLines(static_cast<std::size_t>(first.blockNumber()),
                       static_cast<std::size_t>(before), std::move(lines));
    const bool wasCoded = coded;
    coded = tally.needsCodes();
    mark(first, last, coded != wasCoded);
    emit changed();
}

// A change of the whole text, a paste over all of it or a command's
// result, is read out at once rather than line by line: a million
// characters come in sixteen thousand lines.
void LiveNote::countWhole() {
    std::u32string read;
    std::u32string_view text = expected;
    if (!text.empty()) {
        tally = notes::NoteTally(cipher, text);
    }
    // A carriage return of its own would have ended a line there as well.
    if (text.empty() || tally.lineCount() != static_cast<std::size_t>(note.blockCount())) {
        read = readNote(note);
        text = read;
        tally = notes::NoteTally(cipher, text);
    }
    coded = tally.needsCodes();
    bool marksChanged = false;
    std::size_t start = 0;
    for (QTextBlock block = note.document()->firstBlock(); block.isValid(); block = block.next()) {
        const std::size_t end = std::min(text.find(notes::kLineBreak, start), text.size());
        NoteEdit::Runs runs;
        if (coded) {
            runs = codePointRunsWithin(text.substr(start, end - start), [this](char32_t character) {
                return notes::travelsAsCode(cipher, character, true);
            });
        }
        marksChanged = NoteEdit::setMarks(block, std::move(runs)) || marksChanged;
        start = end + notes::kLineBreak.size();
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
