// SPDX-License-Identifier: MIT
#include "live_note.h"

#include <QTextDocument>
#include <algorithm>
#include <utility>

#include "note_edit.h"
#include "note_text.h"
#include "notes/character_codes.h"
#include "notes/recovered_text.h"

namespace {

// A change of this many lines or more, a paste mostly, is read out of the
// text area at once.
constexpr int kBlocksReadAtOnce = 64;

}  // namespace

LiveNote::LiveNote(const cipher::TextCipher& textCipher, NoteEdit& textArea)
    : QObject(&textArea), cipher(textCipher), note(textArea) {
    note.setMarked(
        [this](char32_t character) { return notes::travelsAsCode(cipher, character, coded); });
    countWhole();
    connect(note.document(), &QTextDocument::contentsChange, this, &LiveNote::contentsChanged);
    // After the result worked out ahead, which counts the pieces of most
    // long notes on its way.
    constexpr int kStillMilliseconds = 300;
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

void LiveNote::planned(const notes::EncryptionPlan& plan) {
    pieceCount.stop();
    counted = tally.outlook(plan);
    emit recounted();
}

void LiveNote::decryptable(const notes::DecryptedPieces& pieces) {
    pieceCount.stop();
    notes::Outlook cipherOutlook = tally.outlook(cipher, [this] { return readNote(note); });
    cipherOutlook.verdict = notes::Outlook::Verdict::CipherTexts;
    cipherOutlook.cipherTexts = pieces.cipherTexts;
    cipherOutlook.notes = pieces.notes;
    counted = cipherOutlook;
    emit recounted();
}

void LiveNote::countPieces() {
    const auto text = [this] { return readNote(note); };
    counted = tally.outlook(cipher, text, notes::NoteTally::Pieces::Always);
    emit recounted();
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
    std::vector<notes::LineTally> lines;
    lines.reserve(static_cast<std::size_t>(blocks));
    std::u32string line;
    if (blocks >= kBlocksReadAtOnce) {
        // One copy of the text rather than one string for each of thousands of lines.
        const QString raw = document.toRawText();
        const int end = last.position() + last.length() - 1;
        const QStringView changed = QStringView(raw).mid(first.position(), end - first.position());
        for (const QStringView text : changed.tokenize(QChar(QChar::ParagraphSeparator))) {
            readBlockText(text, line);
            lines.push_back(notes::tallyLine(cipher, line));
        }
    } else {
        for (QTextBlock block = first; block.isValid(); block = block.next()) {
            readBlockText(block.text(), line);
            lines.push_back(notes::tallyLine(cipher, line));
            if (block == last) {
                break;
            }
        }
    }
    tally.replaceLines(static_cast<std::size_t>(first.blockNumber()),
                       static_cast<std::size_t>(before), std::move(lines));
    setCoded(tally.needsCodes());
    emit changed();
}

// Whether the note needs codes decides the marks of every line, and not
// only of the lines Qt repaints for the edit.
void LiveNote::setCoded(bool needsCodes) {
    if (needsCodes != coded) {
        coded = needsCodes;
        note.viewport()->update();
    }
}

// A command's result is counted on another core while the text area takes
// it in, which for a million characters takes longer.
void LiveNote::expectWhole(std::u32string_view text) {
    expected = text.empty() ? std::future<notes::NoteTally>()
                            : std::async(std::launch::async,
                                         [this, text] { return notes::NoteTally(cipher, text); });
}

void LiveNote::forgetReplaced() {
    replaced = notes::NoteTally();
}

void LiveNote::expectCounted(std::future<notes::NoteTally> counting) {
    expected = std::move(counting);
}

// A change of the whole text, a paste over all of it or a command's
// result, is read out at once rather than line by line: a million
// characters come in sixteen thousand lines.
void LiveNote::countWhole() {
    std::optional<notes::NoteTally> count;
    if (expected.valid()) {
        count = expected.get();
    }
    // A carriage return of its own would have ended a line there as well.
    if (!count || count->lineCount() != static_cast<std::size_t>(note.blockCount())) {
        count.emplace(cipher, readNote(note));
    }
    replaced = std::exchange(tally, std::move(*count));
    setCoded(tally.needsCodes());
}
