#include "note_text.h"

#include <QPlainTextEdit>
#include <QString>
#include <QTextCursor>
#include <QTextDocument>

namespace {

// toPlainText() would turn a no-break space into a space and a line separator
// into a line feed; the raw text keeps both and marks each line end, and only
// line ends, with a paragraph separator.
constexpr char32_t kParagraphSeparator = 0x2029;

}  // namespace

std::u32string readNote(const QPlainTextEdit& note) {
    const QList<uint> codePoints = note.document()->toRawText().toUcs4();
    std::u32string text;
    text.reserve(static_cast<std::size_t>(codePoints.size()));
    for (uint codePoint : codePoints) {
        if (codePoint == kParagraphSeparator) {
            text += U"\r\n";
        } else {
            text += static_cast<char32_t>(codePoint);
        }
    }
    return text;
}

QString toQString(std::u32string_view text) {
    return QString::fromUcs4(text.data(), static_cast<qsizetype>(text.size()));
}

void replaceNote(QPlainTextEdit& note, const std::u32string& text) {
    QTextCursor cursor(note.document());
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.insertText(toQString(text));
    cursor.endEditBlock();
    note.setTextCursor(cursor);
}
