// SPDX-License-Identifier: MIT
#include "live_note.h"

#include <QTextDocument>
#include <algorithm>

#include "note_edit.h"
#include "note_text.h"
#include "notes/character_codes.h"

namespace {

QTextCursor markOf(QTextDocument& document, int from, int to) {
    QTextCursor run(&document);
    run.setPosition(from);
    run.setPosition(to, QTextCursor::KeepAnchor);
    return run;
}

}  // namespace

LiveNote::LiveNote(const cipher::TextCipher& textCipher, NoteEdit& textArea)
    : QObject(&textArea), cipher(textCipher), note(textArea) {
    QTextDocument& document = *note.document();
    tally = notes::NoteTally(cipher, readNote(note));
    coded = tally.needsCodes();
    mark(document.firstBlock(), document.lastBlock(), true);
    connect(&document, &QTextDocument::contentsChange, this, &LiveNote::contentsChanged);
}

void LiveNote::contentsChanged(int position, int /*removed*/, int added) {
    QTextDocument& document = *note.document();
    const QTextBlock first = document.findBlock(position);
    // A change of the whole text may count the end of the document in.
    const QTextBlock last =
        document.findBlock(std::min(position + added, document.characterCount() - 1));
    const int blocks = last.blockNumber() - first.blockNumber() + 1;
    const int before = blocks - (document.blockCount() - static_cast<int>(tally.lineCount()));
    std::vector<notes::LineTally> lines;
    for (QTextBlock block = first; block.isValid(); block = block.next()) {
        lines.push_back(notes::tallyLine(cipher, blockText(block)));
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

// Marks follow the text they mark, so an edit leaves every mark outside
// the blocks it touched where it belongs.
void LiveNote::mark(const QTextBlock& first, const QTextBlock& last, bool whole) {
    QTextDocument& document = *note.document();
    const QTextBlock from = whole ? document.firstBlock() : first;
    const QTextBlock to = whole ? document.lastBlock() : last;
    const int start = from.position();
    const int end = to.position() + to.length();
    const QList<QTextCursor>& current = note.marks();
    QList<QTextCursor> marks;
    auto kept = current.begin();
    for (; kept != current.end() && kept->selectionEnd() <= start; ++kept) {
        if (kept->hasSelection()) {
            marks.append(*kept);
        }
    }
    for (QTextBlock block = from; block.isValid(); block = block.next()) {
        for (const auto& [runFrom, runTo] : runsIn(block, [this](char32_t character) {
                 return notes::travelsAsCode(cipher, character, coded);
             })) {
            marks.append(markOf(document, runFrom, runTo));
        }
        if (block == to) {
            break;
        }
    }
    for (; kept != current.end(); ++kept) {
        if (kept->selectionStart() >= end && kept->hasSelection()) {
            marks.append(*kept);
        }
    }
    const auto samePlace = [](const QTextCursor& one, const QTextCursor& other) {
        return one.selectionStart() == other.selectionStart() &&
               one.selectionEnd() == other.selectionEnd();
    };
    if (!std::equal(marks.begin(), marks.end(), current.begin(), current.end(), samePlace)) {
        note.setMarks(std::move(marks), from, to);
    }
}
