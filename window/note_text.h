// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QString>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

class QPlainTextEdit;
class QTextBlock;
class QTextCursor;
class QTextDocument;

// A text of code points as Qt holds it.
QString toQString(std::u32string_view text);
// The same as the text area takes it: each carriage return + line feed
// as a line feed, which ends the line there.
QString toTextAreaText(std::u32string_view text);

// The text area's content as the cipher sees it: one element per code point,
// every line end as carriage return + line feed, every other character as typed.
std::u32string readNote(const QPlainTextEdit& note);

// The content as Qt holds it, in one copy, to be read the same way on
// another thread.
QString rawText(const QPlainTextEdit& note);
std::u32string noteOfRawText(const QString& raw);

// The selected characters, read the same way.
std::u32string readSelection(const QTextCursor& cursor);

// Replaces the whole content as one edit, so a single undo brings back what
// was there. Each carriage return + line feed becomes a line end of the text area.
void replaceNote(QPlainTextEdit& note, const std::u32string& text);

// Removes end, which the content ends with, as one edit of its own.
void removeEnd(QPlainTextEdit& note, std::u32string_view end);

// The text of one block, as Qt gives it without its line end, into a string
// that keeps its room from one block to the next.
void readBlockText(QStringView text, std::u32string& into);

// Every run of consecutive characters of a text for which wanted(character)
// holds, as (from, to) counted in UTF-16 units from the text's start. A
// template, since it asks about every character of every line the text
// area marks.
template <typename Wanted>
QList<std::pair<int, int>> runsWithin(const QString& text, const Wanted& wanted) {
    QList<std::pair<int, int>> runs;
    int runStart = -1;
    const qsizetype size = text.size();
    for (qsizetype at = 0; at <= size;) {
        char32_t character = 0;
        qsizetype width = 1;
        if (at < size) {
            character = text.at(at).unicode();
            if (QChar::isHighSurrogate(character) && at + 1 < size &&
                text.at(at + 1).isLowSurrogate()) {
                character = QChar::surrogateToUcs4(text.at(at), text.at(at + 1));
                width = 2;
            }
        }
        const bool inRun = at < size && wanted(character);
        const int position = static_cast<int>(at);
        if (inRun && runStart < 0) {
            runStart = position;
        } else if (!inRun && runStart >= 0) {
            runs.append({runStart, position});
            runStart = -1;
        }
        at += width;
    }
    return runs;
}

// The document positions (from, to) of every run of consecutive characters
// of one block for which wanted(character) holds, in order.
QList<std::pair<int, int>> runsIn(const QTextBlock& block,
                                  const std::function<bool(char32_t)>& wanted);

// The document positions (from, to) of every run of consecutive characters
// for which wanted(character) holds, in order. Line ends are never part of a run.
QList<std::pair<int, int>> runsOf(const QTextDocument& document,
                                  const std::function<bool(char32_t)>& wanted);
