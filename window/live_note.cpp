// SPDX-License-Identifier: MIT
#include "live_note.h"

#include <QTextDocument>
#include <algorithm>

#include "note_edit.h"
#include "note_text.h"
#include "notes/character_codes.h"

LiveNote::LiveNote(const cipher::TextCipher& textCipher, NoteEdit& textArea)
    : QObject(&textArea), cipher(textCipher), note(textArea) {
    QTextDocument& document = *note.document();
    tally = notes::NoteTally(cipher, readNote(note));
    coded = tally.needsCodes();
    mark(document.firstBlock(), document.lastBlock(), true);
    connect(&document, &QTextDocument::contentsChange, this, &LiveNote::contentsChanged);
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
