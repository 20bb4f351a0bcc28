// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "real_notes.h"

namespace samples {

// The languages in the order their files are read: the composed notes take
// their draws from one random engine in this order, so it fixes which notes
// realNotes() gives.
inline constexpr Language kDataOrder[] = {Language::English, Language::Spanish,
                                          Language::French,  Language::Italian,
                                          Language::German,  Language::Portuguese};

// One line of a file under tests/data that is neither blank nor a comment:
// a heading "[name]" or an entry, its escapes resolved (see tests/data/README.md).
struct DataLine {
    std::size_t number;
    std::string heading;  // empty for an entry
    std::u32string entry;
};

// The language's file in the folder under tests/data: "note_words/english.txt".
std::string languageFile(std::string_view folder, Language language);

// The lines of the file under tests/data. Throws std::runtime_error naming
// the file and line on a file it cannot read, bytes that are not UTF-8, a
// bad escape, or a character that would not show as itself.
std::vector<DataLine> dataLines(const std::string& file);

// Throws std::runtime_error naming the file under tests/data and the line
// (none when 0).
[[noreturn]] void failInData(const std::string& file, std::size_t line, const std::string& what);

}  // namespace samples
