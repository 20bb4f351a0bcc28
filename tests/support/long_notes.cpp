// SPDX-License-Identifier: MIT
#include "long_notes.h"

#include <algorithm>

#include "notes/encryption_plan.h"
#include "notes/recovered_text.h"
#include "real_notes.h"

namespace samples {

std::u32string longLetter(std::size_t length, std::u32string_view lineBreak) {
    std::u32string text;
    while (text.size() < length) {
        for (const RealNote& note : realNotes()) {
            text += note.text;
            text += lineBreak;
        }
    }
    text.resize(length);
    if (text.back() == U'\r') {
        text.back() = U'.';
    }
    return text;
}

std::u32string oneLine(std::u32string text) {
    std::u32string line;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const bool lineBreak = text.compare(at, notes::kLineBreak.size(), notes::kLineBreak) == 0;
        line += lineBreak ? U' ' : text[at];
        at += lineBreak ? notes::kLineBreak.size() - 1 : 0;
    }
    return line;
}

std::vector<std::u32string> piecesOf(std::u32string_view written) {
    std::vector<std::u32string> pieces;
    for (std::size_t at = 0; at <= written.size();) {
        const std::size_t end = std::min(written.find(notes::kPieceSeparator, at), written.size());
        pieces.emplace_back(written.substr(at, end - at));
        at = end + notes::kPieceSeparator.size();
    }
    return pieces;
}

std::u32string joined(const std::vector<std::u32string>& texts, std::u32string_view between) {
    std::u32string text;
    for (const std::u32string& each : texts) {
        if (!text.empty()) {
            text += between;
        }
        text += each;
    }
    return text;
}

std::u32string wrapped(std::u32string_view text, std::size_t width) {
    std::u32string lines;
    for (std::size_t at = 0; at < text.size(); at += width) {
        if (at != 0) {
            lines += notes::kLineBreak;
        }
        lines += text.substr(at, width);
    }
    return lines;
}

}  // namespace samples
