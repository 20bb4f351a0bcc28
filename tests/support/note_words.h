// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "real_notes.h"

namespace samples {

// The words of one language that composed notes are made of.
struct NoteWords {
    using Words = std::vector<std::u32string>;

    Language language;
    Words shoppingHeadings;
    Words groceries;
    Words quantities;  // each ends in what separates it from the grocery
    Words appointments;
    Words weekdays;
    Words months;
    Words dateForms;         // {D} day, {M} month as two digits, {month} its name
    Words timeForms;         // {H} hour, {h} hour of 12, {mm} minutes
    Words appointmentForms;  // {what} {day} {date} {time} {place}
    Words places;
    Words names;
    Words streets;
    Words cities;
    Words addressForms;  // {name} {n} {street} {city} {phone}
    Words phoneForms;
    Words codeForms;
    Words greetings;
    Words closings;
    Words signatures;
    Words sentences;
    Words recipeTitles;
    Words ingredients;
    Words steps;
};

// One set for each language, read from tests/data/note_words/.
const std::vector<NoteWords>& noteWords();

}  // namespace samples
