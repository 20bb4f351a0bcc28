// SPDX-License-Identifier: MIT
#include "note_text.h"

#include <QPlainTextEdit>
#include <QString>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "note_replacement.h"

namespace {

// toPlainText() would turn a no-break space into a space and a line separator
// into a line feed; the raw text keeps both and marks each line end, and only
// line ends, with a paragraph separator.
constexpr char32_t kParagraphSeparator = 0x2029;

// Written straight into place: a million characters are read out of the
// text area at every command. Into a string that is there already, since a
// paste reads thousands of lines one after the other.
void fromRawTextInto(QStringView raw, std::u32string& text) {
    const qsizetype size = raw.size();
    const QChar* units = raw.constData();
    const auto lineEnds = static_cast<std::size_t>(raw.count(QChar(kParagraphSeparator)));
    text.resize(static_cast<std::size_t>(size) + lineEnds);
    char32_t* out = text.data();
    for (qsizetype at = 0; at < size; ++at) {
        const char16_t unit = units[at].unicode();
        if (unit == kParagraphSeparator) {
            *out++ = U'\r';
            *out++ = U'\n';
        } else if (QChar::isHighSurrogate(unit) && at + 1 < size &&
                   units[at + 1].isLowSurrogate()) {
            *out++ = QChar::surrogateToUcs4(unit, units[at + 1].unicode());
            ++at;
        } else {
            *out++ = unit;
        }
    }
    text.resize(static_cast<std::size_t>(out - text.data()));
}

std::u32string fromRawText(const QString& raw) {
    std::u32string text;
    fromRawTextInto(raw, text);
    return text;
}

}  // namespace

std::u32string readNote(const QPlainTextEdit& note) {
    return fromRawText(note.document()->toRawText());
}

QString rawText(const QPlainTextEdit& note) {
    return note.document()->toRawText();
}

std::u32string noteOfRawText(const QString& raw) {
    return fromRawText(raw);
}

std::u32string readSelection(const QTextCursor& cursor) {
    return fromRawText(cursor.selectedText());
}

QString toQString(std::u32string_view text) {
    return QString::fromUcs4(text.data(), static_cast<qsizetype>(text.size()));
}

// Counted first and written in one pass: a command writes a million
// characters, and QString::replace would move the rest of the text at
// every line break.
QString toTextAreaText(std::u32string_view text) {
    const auto isLineBreak = [text](std::size_t at) {
        return text[at] == U'\r' && at + 1 < text.size() && text[at + 1] == U'\n';
    };
    qsizetype units = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        units += text[at] > 0xFFFF ? 2 : 1;
        if (isLineBreak(at)) {
            ++at;
        }
    }
    QString written(units, Qt::Uninitialized);
    QChar* out = written.data();
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char32_t character = text[at];
        if (isLineBreak(at)) {
            *out++ = QChar(u'\n');
            ++at;
        } else if (character > 0xFFFF) {
            *out++ = QChar(QChar::highSurrogate(character));
            *out++ = QChar(QChar::lowSurrogate(character));
        } else {
            *out++ = QChar(static_cast<char16_t>(character));
        }
    }
    return written;
}

void replaceNote(QPlainTextEdit& note, const std::u32string& text) {
    NoteReplacement(note).write(text);
}

void removeEnd(QPlainTextEdit& note, std::u32string_view end) {
    const QString removed = toTextAreaText(end);
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

void readBlockText(QStringView text, std::u32string& into) {
    fromRawTextInto(text, into);
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
