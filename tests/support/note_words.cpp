// SPDX-License-Identifier: MIT
// The words themselves are in tests/data/note_words/, one file a language.
#include "note_words.h"

#include <algorithm>
#include <string>
#include <utility>

#include "sample_data.h"

namespace samples {

namespace {

// Each [section] of a language's file, named as the list it fills.
const std::pair<std::string_view, NoteWords::Words NoteWords::*> kSections[] = {
    {"shoppingHeadings", &NoteWords::shoppingHeadings},
    {"groceries", &NoteWords::groceries},
    {"quantities", &NoteWords::quantities},
    {"appointments", &NoteWords::appointments},
    {"weekdays", &NoteWords::weekdays},
    {"months", &NoteWords::months},
    {"dateForms", &NoteWords::dateForms},
    {"timeForms", &NoteWords::timeForms},
    {"appointmentForms", &NoteWords::appointmentForms},
    {"places", &NoteWords::places},
    {"names", &NoteWords::names},
    {"streets", &NoteWords::streets},
    {"cities", &NoteWords::cities},
    {"addressForms", &NoteWords::addressForms},
    {"phoneForms", &NoteWords::phoneForms},
    {"codeForms", &NoteWords::codeForms},
    {"greetings", &NoteWords::greetings},
    {"closings", &NoteWords::closings},
    {"signatures", &NoteWords::signatures},
    {"sentences", &NoteWords::sentences},
    {"recipeTitles", &NoteWords::recipeTitles},
    {"ingredients", &NoteWords::ingredients},
    {"steps", &NoteWords::steps},
};

NoteWords wordsOf(Language language) {
    const std::string file = languageFile("note_words", language);
    NoteWords words{};
    words.language = language;
    NoteWords::Words* list = nullptr;
    for (DataLine& line : dataLines(file)) {
        if (line.heading.empty()) {
            if (list == nullptr) {
                failInData(file, line.number, "an entry before the first [section]");
            }
            list->push_back(std::move(line.entry));
            continue;
        }
        const auto* section =
            std::find_if(std::begin(kSections), std::end(kSections),
                         [&](const auto& known) { return known.first == line.heading; });
        if (section == std::end(kSections)) {
            failInData(file, line.number, "an unknown section [" + line.heading + "]");
        }
        list = &(words.*(section->second));
    }
    // The composed notes draw from every list: an empty one has nothing to give.
    for (const auto& [name, member] : kSections) {
        if ((words.*member).empty()) {
            failInData(file, 0, "no entries in [" + std::string(name) + "]");
        }
    }
    return words;
}

}  // namespace

const std::vector<NoteWords>& noteWords() {
    static const std::vector<NoteWords> words = [] {
        std::vector<NoteWords> all;
        for (const Language language : kDataOrder) {
            all.push_back(wordsOf(language));
        }
        return all;
    }();
    return words;
}

}  // namespace samples
