// SPDX-License-Identifier: MIT
#include "judgement_samples.h"

#include "real_notes.h"
#include "sample_data.h"

namespace samples {

const std::vector<std::u32string>& technicalNotes() {
    static const std::vector<std::u32string> notes = [] {
        const std::string file = "judgement/technical_notes.txt";
        std::vector<std::u32string> read;
        for (const DataLine& line : dataLines(file)) {
            if (!line.heading.empty()) {
                failInData(file, line.number, "a heading in a file of notes");
            }
            read.push_back(withLineBreaks(line.entry));
        }
        return read;
    }();
    return notes;
}

std::string_view slipName(Slip slip) {
    switch (slip) {
        case Slip::LostLast:
            return "lost its last character";
        case Slip::LostFirst:
            return "lost its first character";
        case Slip::SpaceBefore:
            return "space before";
        case Slip::SpaceAfter:
            return "space after";
        case Slip::TabBefore:
            return "tab before";
        case Slip::TabAfter:
            return "tab after";
        case Slip::LineBreakBefore:
            return "line break before";
        case Slip::LineBreakAfter:
            return "line break after";
    }
    return "?";
}

bool losesCharacters(Slip slip) {
    return slip == Slip::LostLast || slip == Slip::LostFirst;
}

std::u32string slipped(std::u32string_view cipherText, Slip slip) {
    const std::u32string text(cipherText);
    switch (slip) {
        case Slip::LostLast:
            return text.empty() ? text : text.substr(0, text.size() - 1);
        case Slip::LostFirst:
            return text.empty() ? text : text.substr(1);
        case Slip::SpaceBefore:
            return U" " + text;
        case Slip::SpaceAfter:
            return text + U" ";
        case Slip::TabBefore:
            return U"\t" + text;
        case Slip::TabAfter:
            return text + U"\t";
        case Slip::LineBreakBefore:
            return U"\r\n" + text;
        case Slip::LineBreakAfter:
            return text + U"\r\n";
    }
    return text;
}

}  // namespace samples
