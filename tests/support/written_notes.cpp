// SPDX-License-Identifier: MIT
// The notes themselves are in tests/data/written_notes/, one file a language.
#include "written_notes.h"

#include <string>
#include <utility>
#include <vector>

#include "sample_data.h"

namespace samples {

std::span<const WrittenNote> writtenNotes() {
    static const std::vector<WrittenNote> notes = [] {
        std::vector<WrittenNote> all;
        for (const Language language : kDataOrder) {
            const std::string file = languageFile("written_notes", language);
            for (DataLine& line : dataLines(file)) {
                if (!line.heading.empty()) {
                    failInData(file, line.number, "a heading in a file of notes");
                }
                all.push_back({language, std::move(line.entry)});
            }
        }
        return all;
    }();
    return notes;
}

}  // namespace samples
