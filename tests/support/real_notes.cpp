// SPDX-License-Identifier: MIT
#include "real_notes.h"

#include <algorithm>
#include <functional>
#include <random>

#include "note_words.h"
#include "written_notes.h"

namespace samples {

namespace {

using Pick = std::function<std::u32string(std::u32string_view)>;

template <typename... Parts>
void append(std::u32string& text, const Parts&... parts) {
    (text.append(std::u32string_view(parts)), ...);
}

// The form with {d} made a digit, {L} a capital letter and every other
// {name} what pick gives for it.
std::u32string fill(std::u32string_view form, std::mt19937& random, const Pick& pick) {
    std::uniform_int_distribution<int> digit(0, 9);
    std::uniform_int_distribution<int> letter(0, 25);
    std::u32string text;
    for (std::size_t at = 0; at < form.size(); ++at) {
        const std::size_t end = form.find(U'}', at);
        if (form[at] != U'{' || end == std::u32string_view::npos) {
            text += form[at];
            continue;
        }
        const std::u32string_view name = form.substr(at + 1, end - at - 1);
        if (name == U"d") {
            text += static_cast<char32_t>(U'0' + digit(random));
        } else if (name == U"L") {
            text += static_cast<char32_t>(U'A' + letter(random));
        } else {
            text += pick(name);
        }
        at = end;
    }
    return text;
}

std::u32string_view any(const NoteWords::Words& words, std::mt19937& random) {
    return words[std::uniform_int_distribution<std::size_t>(0, words.size() - 1)(random)];
}

int between(int low, int high, std::mt19937& random) {
    return std::uniform_int_distribution<int>(low, high)(random);
}

std::u32string number(int value, std::size_t width = 1) {
    std::u32string digits;
    do {
        digits.insert(digits.begin(), static_cast<char32_t>(U'0' + value % 10));
        value /= 10;
    } while (value != 0);
    while (digits.size() < width) {
        digits.insert(digits.begin(), U'0');
    }
    return digits;
}

std::u32string date(const NoteWords& words, std::mt19937& random) {
    const int month = between(1, 12, random);
    return fill(any(words.dateForms, random), random, [&](std::u32string_view name) {
        if (name == U"D") {
            return number(between(1, 28, random));
        }
        if (name == U"M") {
            return number(month, 2);
        }
        return std::u32string(words.months[static_cast<std::size_t>(month - 1)]);
    });
}

std::u32string time(const NoteWords& words, std::mt19937& random) {
    const int hour = between(7, 20, random);
    const int minutes = 5 * between(0, 11, random);
    return fill(any(words.timeForms, random), random, [&](std::u32string_view name) {
        if (name == U"H") {
            return number(hour);
        }
        if (name == U"h") {
            return number(hour > 12 ? hour - 12 : hour);
        }
        return number(minutes, 2);
    });
}

std::u32string shoppingList(const NoteWords& words, std::mt19937& random) {
    static constexpr std::u32string_view kBullets[] = {U"- ", U"* ", U"", U"• ", U"[ ] "};
    const int style = between(0, 5, random);  // 5: numbered
    const bool oneLine = between(0, 3, random) == 0;
    std::u32string list(any(words.shoppingHeadings, random));
    const int items = between(4, 14, random);
    for (int item = 1; item <= items; ++item) {
        std::u32string entry;
        if (between(0, 3, random) == 0) {
            entry += any(words.quantities, random);
        }
        entry += any(words.groceries, random);
        if (oneLine) {
            append(list, item == 1 ? U" " : U", ", entry);
        } else if (style == 5) {
            append(list, U"\n", number(item), U". ", entry);
        } else {
            append(list, U"\n", kBullets[style], entry);
        }
    }
    return list;
}

std::u32string appointment(const NoteWords& words, std::mt19937& random) {
    std::u32string note;
    const int count = between(1, 3, random);
    for (int index = 0; index < count; ++index) {
        const std::u32string day(any(words.weekdays, random));
        if (index != 0) {
            note += U'\n';
        }
        note += fill(any(words.appointmentForms, random), random, [&](std::u32string_view name) {
            if (name == U"what") {
                return std::u32string(any(words.appointments, random));
            }
            if (name == U"day") {
                return day;
            }
            if (name == U"date") {
                return date(words, random);
            }
            if (name == U"time") {
                return time(words, random);
            }
            return std::u32string(any(words.places, random));
        });
    }
    // People start a reminder with a capital, whatever the form began with.
    if (note.front() >= U'a' && note.front() <= U'z') {
        note.front() = note.front() - U'a' + U'A';
    }
    return note;
}

std::u32string address(const NoteWords& words, std::mt19937& random) {
    return fill(any(words.addressForms, random), random, [&](std::u32string_view name) {
        if (name == U"name") {
            return std::u32string(any(words.names, random));
        }
        if (name == U"n") {
            return number(between(1, 140, random));
        }
        if (name == U"street") {
            return std::u32string(any(words.streets, random));
        }
        if (name == U"city") {
            return std::u32string(any(words.cities, random));
        }
        return fill(any(words.phoneForms, random), random, nullptr);
    });
}

std::u32string codes(const NoteWords& words, std::mt19937& random) {
    std::u32string note = fill(any(words.codeForms, random), random, nullptr);
    if (between(0, 1, random) == 0) {
        append(note, U"\n", fill(any(words.codeForms, random), random, nullptr));
    }
    return note;
}

// Sentences from the language's pool, each at most once, in paragraphs.
std::u32string paragraphs(const NoteWords& words, std::size_t sentences, std::mt19937& random) {
    NoteWords::Words pool = words.sentences;
    std::shuffle(pool.begin(), pool.end(), random);
    std::u32string text;
    for (std::size_t index = 0; index < std::min(sentences, pool.size()); ++index) {
        if (index != 0) {
            text += between(0, 3, random) == 0 ? U"\n\n" : U" ";
        }
        text += pool[index];
    }
    return text;
}

std::u32string letter(const NoteWords& words, std::mt19937& random) {
    const auto sentences = static_cast<std::size_t>(between(2, 20, random));
    std::u32string text;
    append(text, any(words.greetings, random), U"\n\n", paragraphs(words, sentences, random),
           U"\n\n", any(words.closings, random), U"\n", any(words.signatures, random));
    return text;
}

std::u32string recipe(const NoteWords& words, std::mt19937& random) {
    std::u32string text(any(words.recipeTitles, random));
    text += U"\n";
    NoteWords::Words ingredients = words.ingredients;
    std::shuffle(ingredients.begin(), ingredients.end(), random);
    const int count = between(4, 9, random);
    for (int index = 0; index < count; ++index) {
        append(text, U"\n", ingredients[static_cast<std::size_t>(index)]);
    }
    text += U"\n";
    const int steps = between(2, 6, random);
    for (int index = 0; index < steps; ++index) {
        append(text, U"\n", number(index + 1), U". ", any(words.steps, random));
    }
    return text;
}

// A running note that collects many short ones, up to about 3,800
// characters as the cipher counts them.
std::u32string notebook(const NoteWords& words, const std::vector<std::u32string>& pieces,
                        std::mt19937& random) {
    static constexpr std::u32string_view kSeparators[] = {U"\n\n", U"\n---\n", U"\n\n* * *\n\n"};
    const std::u32string_view separator = kSeparators[between(0, 2, random)];
    const auto target = static_cast<std::size_t>(between(1500, 3800, random));
    std::u32string text = letter(words, random);
    for (int misses = 0; misses < 20;) {
        const std::u32string& piece = pieces[static_cast<std::size_t>(
            between(0, static_cast<int>(pieces.size()) - 1, random))];
        if (withLineBreaks(text).size() + separator.size() * 2 + piece.size() * 2 > target) {
            ++misses;
            continue;
        }
        text += separator;
        text += piece;
    }
    return text;
}

std::vector<RealNote> composedNotes(const NoteWords& words, std::mt19937& random) {
    std::vector<std::u32string> made;
    for (int index = 0; index < 6; ++index) {
        made.push_back(shoppingList(words, random));
        made.push_back(appointment(words, random));
    }
    for (int index = 0; index < 5; ++index) {
        made.push_back(address(words, random));
        made.push_back(codes(words, random));
        made.push_back(recipe(words, random));
    }
    for (int index = 0; index < 8; ++index) {
        made.push_back(letter(words, random));
    }
    std::vector<std::u32string> pieces = made;
    for (const WrittenNote& note : writtenNotes()) {
        if (note.language == words.language) {
            pieces.emplace_back(note.text);
        }
    }
    for (int index = 0; index < 3; ++index) {
        made.push_back(notebook(words, pieces, random));
    }
    std::vector<RealNote> notes;
    for (const std::u32string& text : made) {
        notes.push_back({words.language, withLineBreaks(text)});
    }
    return notes;
}

}  // namespace

std::string_view languageName(Language language) {
    switch (language) {
        case Language::English:
            return "English";
        case Language::Spanish:
            return "Spanish";
        case Language::French:
            return "French";
        case Language::Italian:
            return "Italian";
        case Language::German:
            return "German";
        case Language::Portuguese:
            return "Portuguese";
    }
    return "?";
}

std::u32string withLineBreaks(std::u32string_view text) {
    std::u32string converted;
    converted.reserve(text.size() + text.size() / 8);
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] == U'\n' || text[at] == U'\r') {
            converted += U"\r\n";
            if (text[at] == U'\r' && at + 1 < text.size() && text[at + 1] == U'\n') {
                ++at;
            }
        } else {
            converted += text[at];
        }
    }
    return converted;
}

const std::vector<RealNote>& realNotes() {
    static const std::vector<RealNote> notes = [] {
        std::vector<RealNote> all;
        for (const WrittenNote& note : writtenNotes()) {
            all.push_back({note.language, withLineBreaks(note.text)});
        }
        std::mt19937 random(2024);
        for (const NoteWords& words : noteWords()) {
            for (RealNote& note : composedNotes(words, random)) {
                all.push_back(std::move(note));
            }
        }
        return all;
    }();
    return notes;
}

}  // namespace samples
