// SPDX-License-Identifier: MIT
#include "notes/picked_up.h"

#include "cipher/text_cipher.h"

namespace notes {
namespace {

bool isEndSpace(char32_t character) {
    return character == U' ' || character == U'\t' || character == U'\r' || character == U'\n';
}

// The white space of one end, and what is left of it: its spaces, or nothing.
EndSpace countEndSpace(std::u32string_view end, bool spaces, std::u32string& kept) {
    EndSpace space;
    for (std::size_t at = 0; at < end.size(); ++at) {
        if (end[at] == U' ') {
            if (spaces) {
                ++space.spaces;
            } else {
                kept += U' ';
            }
        } else if (end[at] == U'\t') {
            ++space.tabs;
        } else if (end[at] == U'\n' || at + 1 == end.size() || end[at + 1] != U'\n') {
            // A line feed, or a carriage return that no line feed pairs up with.
            ++space.lineBreaks;
        }
    }
    return space;
}

}  // namespace

PickedUp pickedUp(const cipher::TextCipher& cipher, std::u32string_view text, bool spacesAtStart,
                  bool spacesAtEnd) {
    std::size_t first = 0;
    while (first < text.size() && isEndSpace(text[first])) {
        ++first;
    }
    std::size_t end = text.size();
    while (end > first && isEndSpace(text[end - 1])) {
        --end;
    }
    PickedUp picked;
    std::u32string keptAtEnd;
    picked.atStart = countEndSpace(text.substr(0, first), spacesAtStart, picked.rest);
    picked.atEnd = countEndSpace(text.substr(end), spacesAtEnd, keptAtEnd);
    const std::u32string_view middle = text.substr(first, end - first);
    picked.inside = charactersOutside(cipher, middle);
    picked.rest += alphabetOnly(cipher, middle);
    picked.rest += keptAtEnd;
    return picked;
}

}  // namespace notes
