#pragma once

#include <string>
#include <string_view>

class QPlainTextEdit;
class QString;

// A text of code points as Qt holds it.
QString toQString(std::u32string_view text);

// The text area's content as the cipher sees it: one element per code point,
// every line end as carriage return + line feed, every other character as typed.
std::u32string readNote(const QPlainTextEdit& note);

// Replaces the whole content as one edit, so a single undo brings back what was there.
void replaceNote(QPlainTextEdit& note, const std::u32string& text);
