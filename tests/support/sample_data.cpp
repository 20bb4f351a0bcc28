// SPDX-License-Identifier: MIT
#include "sample_data.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <utility>

namespace samples {

namespace {

std::string pathOf(const std::string& file) {
    return std::string(TEXTCIPHER_TEST_DATA) + "/" + file;
}

std::string hex(char32_t character) {
    char digits[16] = {};
    std::snprintf(digits, sizeof digits, "%04X", static_cast<unsigned>(character));
    return digits;
}

// Characters an editor shows as something else or as nothing: controls,
// spaces other than the plain one, zero-width and direction marks, the byte
// order mark. The files write them as \u{...}, so that a reader sees them.
bool unseen(char32_t character) {
    return character < 0x20 || (character >= 0x7F && character <= 0xA0) || character == 0xAD ||
           (character >= 0x2000 && character <= 0x200F) ||
           (character >= 0x2028 && character <= 0x202F) ||
           (character >= 0x205F && character <= 0x206F) || character == 0xFEFF;
}

// The code point whose UTF-8 starts at line[at], at moved past it; none for
// bytes that are not UTF-8: a stray or missing continuation byte, an
// overlong form, a surrogate, a value past U+10FFFF.
std::optional<char32_t> decoded(std::string_view line, std::size_t& at) {
    const auto lead = static_cast<unsigned char>(line[at++]);
    if (lead < 0x80) {
        return lead;
    }
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
    if (length == 0 || lead > 0xF4) {
        return std::nullopt;
    }
    auto value = static_cast<char32_t>(lead & (0x7F >> length));
    for (std::size_t more = 1; more < length; ++more) {
        if (at == line.size() || (static_cast<unsigned char>(line[at]) & 0xC0) != 0x80) {
            return std::nullopt;
        }
        value = value << 6 | (static_cast<unsigned char>(line[at++]) & 0x3Fu);
    }
    static constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    if (value < kLeast[length] || (value >= 0xD800 && value <= 0xDFFF) || value > 0x10FFFF) {
        return std::nullopt;
    }
    return value;
}

// The character an escape stands for, at just past its backslash and moved
// past the escape; none for an escape the files do not know.
std::optional<char32_t> unescaped(std::string_view line, std::size_t& at) {
    if (at == line.size()) {
        return std::nullopt;
    }
    switch (line[at++]) {
        case 'n':
            return U'\n';
        case 't':
            return U'\t';
        case 's':
            return U' ';
        case '\\':
            return U'\\';
        case 'u':
            break;
        default:
            return std::nullopt;
    }
    const std::size_t end = line.find('}', at);
    if (line.substr(at, 1) != "{" || end == std::string_view::npos || end - at < 2 ||
        end - at > 7) {
        return std::nullopt;
    }
    std::uint32_t value = 0;
    const auto [stop, error] = std::from_chars(line.data() + at + 1, line.data() + end, value, 16);
    if (error != std::errc() || stop != line.data() + end || value > 0x10FFFF) {
        return std::nullopt;
    }
    at = end + 1;
    return static_cast<char32_t>(value);
}

bool isHeading(std::string_view line) {
    return line.size() > 2 && line.front() == '[' && line.back() == ']' &&
           std::all_of(line.begin() + 1, line.end() - 1,
                       [](char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; });
}

}  // namespace

std::string languageFile(std::string_view folder, Language language) {
    std::string name(languageName(language));
    for (char& c : name) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return std::string(folder) + "/" + name + ".txt";
}

std::vector<DataLine> dataLines(const std::string& file) {
    std::ifstream in(pathOf(file), std::ios::binary);
    if (!in) {
        failInData(file, 0, "cannot be read");
    }
    std::vector<DataLine> lines;
    std::string line;
    for (std::size_t number = 1; std::getline(in, line); ++number) {
        if (line.empty() || line.front() == '#') {
            continue;
        }
        if (isHeading(line)) {
            lines.push_back({number, line.substr(1, line.size() - 2), {}});
            continue;
        }
        // Editors drop it unasked, and a reader cannot see it.
        if (line.back() == ' ') {
            failInData(file, number, "a space at the end of the line: write it as \\s");
        }
        std::u32string entry;
        for (std::size_t at = 0; at < line.size();) {
            const std::size_t start = at;
            std::optional<char32_t> character;
            if (line[at] == '\\') {
                character = unescaped(line, ++at);
                if (!character) {
                    failInData(file, number, "a bad escape: " + line.substr(start, 12));
                }
            } else {
                character = decoded(line, at);
                if (!character) {
                    failInData(file, number, "bytes that are not UTF-8");
                }
                if (unseen(*character)) {
                    const std::string code = hex(*character);
                    failInData(
                        file, number,
                        "U+" + code + " does not show as itself: write it as \\u{" + code + "}");
                }
            }
            entry += *character;
        }
        lines.push_back({number, {}, std::move(entry)});
    }
    if (in.bad()) {
        failInData(file, 0, "could not be read to the end");
    }
    return lines;
}

void failInData(const std::string& file, std::size_t line, const std::string& what) {
    std::string where = pathOf(file);
    if (line != 0) {
        where += ":" + std::to_string(line);
    }
    throw std::runtime_error(where + ": " + what);
}

}  // namespace samples
