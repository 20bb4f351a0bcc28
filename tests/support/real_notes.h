// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace samples {

// The languages people write their notes in.
enum class Language : std::uint8_t { English, Spanish, French, Italian, German, Portuguese };

inline constexpr Language kLanguages[] = {Language::English, Language::French,
                                          Language::German,  Language::Italian,
                                          Language::Spanish, Language::Portuguese};

std::string_view languageName(Language language);

// A note as a person might keep it, with its line breaks as the cipher sees
// them: carriage return + line feed.
struct RealNote {
    Language language;
    std::u32string text;
};

// Notes of 12 characters and more in the six languages, the same every run:
// hand-written ones (reminders, lists, addresses, codes and numbers, letters,
// recipes, some with tabs, emoji or letters outside the alphabet) and ones
// composed from each language's words (shopping lists, appointments,
// addresses, account numbers, letters and recipes of up to a few thousand
// characters).
const std::vector<RealNote>& realNotes();

// The text with each line feed, and each carriage return that no line feed
// follows, made a carriage return + line feed.
std::u32string withLineBreaks(std::u32string_view text);

}  // namespace samples
