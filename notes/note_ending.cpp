// SPDX-License-Identifier: MIT
#include "notes/note_ending.h"

#include <algorithm>

namespace notes {

namespace {

// Characters that padding is made of: any but the mark, and none that is
// outside the alphabet, which only line breaks are in a coded text.
bool isPadding(char32_t character) {
    return character != kEndingMark && character != U'\r' && character != U'\n';
}

bool isDigit(char32_t character) {
    return character >= U'0' && character <= U'9';
}

// "", or a piece number without leading zeros followed by "+" or "=".
std::optional<NoteEnding> readTag(std::u32string_view tag) {
    if (tag.empty()) {
        return NoteEnding{};
    }
    const std::u32string_view number = tag.substr(0, tag.size() - 1);
    const char32_t kind = tag.back();
    if ((kind != U'+' && kind != U'=') || number.empty() || number.size() > 9 ||
        number.front() == U'0' || !std::all_of(number.begin(), number.end(), isDigit)) {
        return std::nullopt;
    }
    NoteEnding ending;
    for (char32_t digit : number) {
        ending.piece = ending.piece * 10 + (digit - U'0');
    }
    ending.continues = kind == U'+';
    return ending;
}

}  // namespace

std::u32string endingText(std::size_t piece, bool continues, std::u32string_view padding) {
    std::u32string text(1, kEndingMark);
    if (piece != 0) {
        for (char character : std::to_string(piece)) {
            text += static_cast<char32_t>(character);
        }
        text += continues ? U'+' : U'=';
    }
    text += kEndingMark;
    text += padding;
    return text;
}

std::optional<NoteEnding> endingOf(std::u32string_view text) {
    const std::size_t last = text.rfind(kEndingMark);
    if (last == std::u32string_view::npos || last == 0) {
        return std::nullopt;
    }
    const std::u32string_view padding = text.substr(last + 1);
    if (!std::all_of(padding.begin(), padding.end(), isPadding)) {
        return std::nullopt;
    }
    const std::size_t first = text.rfind(kEndingMark, last - 1);
    if (first == std::u32string_view::npos) {
        return std::nullopt;
    }
    std::optional<NoteEnding> ending = readTag(text.substr(first + 1, last - first - 1));
    if (ending && ending->piece == 0 && padding.size() > kMostOneTextPadding) {
        return std::nullopt;
    }
    if (ending) {
        ending->length = text.size() - first;
    }
    return ending;
}

}  // namespace notes
