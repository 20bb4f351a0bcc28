// SPDX-License-Identifier: MIT
#include "note_text.h"

#include <QPlainTextEdit>
#include <QString>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {

// toPlainText() would turn a no-break space into a space and a line separator
// into a line feed; the raw text keeps both and marks each line end, and only
// line ends, with a paragraph separator.
constexpr char32_t kParagraphSeparator = 0x2029;

// One pass over the UTF-16 units: a million characters are read out of the
// text area at every command.
std::u32string fromRawText(const QString& raw) {
    std::u32string text;
    text.reserve(static_cast<std::size_t>(raw.size()));
    const QChar* units = raw.constData();
    const qsizetype size = raw.size();
    for (qsizetype at = 0; at < size; ++at) {
        const char16_t unit = units[at].unicode();
        if (unit == kParagraphSeparator) {
            text += U"\r\n";
        } else if (QChar::isHighSurrogate(unit) && at + 1 < size &&
                   units[at + 1].isLowSurrogate()) {
            text += static_cast<char32_t>(QChar::surrogateToUcs4(unit, units[at + 1].unicode()));
            ++at;
        } else {
            text += static_cast<char32_t>(unit);
        }
    }
    return text;
}

}  // namespace

std::u32string readNote(const QPlainTextEdit& note) {
    return fromRawText(note.document()->toRawText());
}

std::u32string readSelection(const QTextCursor& cursor) {
    return fromRawText(cursor.selectedText());
}

QString toQString(std::u32string_view text) {
    return QString::fromUcs4(text.data(), static_cast<qsizetype>(text.size()));
}

void replaceNote(QPlainTextEdit& note, const std::u32string& text) {
    QString written = toQString(text);
    written.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QTextCursor cursor(note.document());
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.insertText(written);
    cursor.endEditBlock();
    note.setTextCursor(cursor);
}

void removeEnd(QPlainTextEdit& note, std::u32string_view end) {
    QString removed = toQString(end);
    removed.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QTextCursor cursor(note.document());
    cursor.movePosition(QTextCursor::End);
    const int last = cursor.position();
    cursor.beginEditBlock();
    cursor.setPosition(last - static_cast<int>(removed.size()));
    cursor.setPosition(last, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    cursor.endEditBlock();
    note.setTextCursor(cursor);
}

std::u32string blockText(const QTextBlock& block) {
    return fromRawText(block.text());
}

std::u32string fromBlockText(const QString& text) {
    return fromRawText(text);
}

QList<std::pair<int, int>> runsWithin(const QString& text,
                                      const std::function<bool(char32_t)>& wanted) {
    QList<std::pair<int, int>> runs;
    int runStart = -1;
    for (qsizetype at = 0; at <= text.size();) {
        char32_t character = 0;
        qsizetype width = 1;
        if (at < text.size()) {
            character = text.at(at).unicode();
            if (QChar::isHighSurrogate(character) && at + 1 < text.size() &&
                text.at(at + 1).isLowSurrogate()) {
                character = QChar::surrogateToUcs4(text.at(at), text.at(at + 1));
                width = 2;
            }
        }
        const bool inRun = at < text.size() && wanted(character);
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

QList<std::pair<int, int>> runsIn(const QTextBlock& block,
                                  const std::function<bool(char32_t)>& wanted) {
    QList<std::pair<int, int>> runs = runsWithin(block.text(), wanted);
    // Finding a block's position walks the document's tree: once per block.
    const int blockStart = block.position();
    for (auto& [from, to] : runs) {
        from += blockStart;
        to += blockStart;
    }
    return runs;
}

QList<std::pair<int, int>> runsOf(const QTextDocument& document,
                                  const std::function<bool(char32_t)>& wanted) {
    QList<std::pair<int, int>> runs;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        runs.append(runsIn(block, wanted));
    }
    return runs;
}
