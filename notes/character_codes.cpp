// SPDX-License-Identifier: MIT
#include "notes/character_codes.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "cipher/text_cipher.h"
#include "notes/named_codes.h"

namespace notes {
namespace {

constexpr char32_t kAmpersand = U'&';
constexpr std::u32string_view kAmpersandCode = U"&amp;";
// What a character that no code stands for travels as: the mark Decrypt Text
// puts where a character could not come back.
constexpr char32_t kReplacement = 0xFFFD;

// HTML 4's longest name has eight letters; a code point has at most ten digits.
constexpr std::size_t kLongestName = 8;
constexpr std::size_t kMostDigits = 10;

struct Code {
    char32_t character = 0;
    // Characters from the "&" to the ";", both included.
    std::size_t length = 0;
};

bool isNameCharacter(char32_t character) {
    return (character >= U'a' && character <= U'z') || (character >= U'A' && character <= U'Z') ||
           (character >= U'0' && character <= U'9');
}

// A code point that a code may stand for. Like HTML, which reads none of
// them as a character, no code stands for U+0000, for a surrogate (one half
// of a pair that only UTF-16 uses) or for a value past U+10FFFF, the last
// code point: such a character would put a NUL or invalid Unicode into the note.
bool standsForACharacter(std::uint64_t value) {
    return value != 0 && (value < 0xD800 || value > 0xDFFF) && value <= 0x10FFFF;
}

// "#" and decimal digits, up to a ";".
std::optional<Code> numericCode(std::u32string_view rest) {
    std::uint64_t value = 0;
    std::size_t digits = 0;
    while (digits < rest.size() - 1 && digits < kMostDigits && rest[1 + digits] >= U'0' &&
           rest[1 + digits] <= U'9') {
        value = value * 10 + (rest[1 + digits] - U'0');
        ++digits;
    }
    if (digits == 0 || 1 + digits >= rest.size() || rest[1 + digits] != U';' ||
        !standsForACharacter(value)) {
        return std::nullopt;
    }
    return Code{static_cast<char32_t>(value), digits + 3};
}

// An HTML 4 name, up to a ";".
std::optional<Code> namedCode(std::u32string_view rest) {
    std::string name;
    while (name.size() < rest.size() && name.size() < kLongestName &&
           isNameCharacter(rest[name.size()])) {
        name += static_cast<char>(rest[name.size()]);
    }
    if (name.empty() || name.size() >= rest.size() || rest[name.size()] != U';') {
        return std::nullopt;
    }
    const auto character = detail::characterNamed(name);
    if (!character) {
        return std::nullopt;
    }
    return Code{*character, name.size() + 2};
}

// The code that an "&" just before rest would begin, if any.
std::optional<Code> codeAfterAmpersand(std::u32string_view rest) {
    if (rest.empty()) {
        return std::nullopt;
    }
    return rest.front() == U'#' ? numericCode(rest) : namedCode(rest);
}

// The code that begins at text[at], an "&", if any.
std::optional<Code> codeAt(std::u32string_view text, std::size_t at) {
    return codeAfterAmpersand(text.substr(at + 1));
}

bool isLineBreakAt(std::u32string_view text, std::size_t at) {
    return text[at] == U'\r' && at + 1 < text.size() && text[at + 1] == U'\n';
}

// Whether a text holds a character outside the alphabet that is not part of a line break.
bool holdsCharacterForACode(const cipher::TextCipher& cipher, std::u32string_view note) {
    for (std::size_t at = 0; at < note.size(); ++at) {
        if (isLineBreakAt(note, at)) {
            ++at;
        } else if (cipher.alphabetPosition(note[at]) == 0) {
            return true;
        }
    }
    return false;
}

// Calls visit(character, code) for every character of a note that needs
// codes, and visit(character, empty) for every one that travels as it is.
template <typename Visit>
void forEachCharacter(const cipher::TextCipher& cipher, std::u32string_view note, Visit visit) {
    for (std::size_t at = 0; at < note.size(); ++at) {
        if (isLineBreakAt(note, at)) {
            visit(note[at], std::u32string());
            visit(note[++at], std::u32string());
        } else if (travelsAsCode(cipher, note[at], true)) {
            visit(note[at], codeFor(note[at]));
        } else {
            visit(note[at], std::u32string());
        }
    }
}

}  // namespace

std::u32string codeFor(char32_t character) {
    if (!standsForACharacter(character)) {
        character = kReplacement;
    }
    std::u32string code(1, kAmpersand);
    if (const auto name = detail::nameOf(character)) {
        code.append(name->begin(), name->end());
    } else {
        code += U'#';
        for (char digit : std::to_string(static_cast<std::uint32_t>(character))) {
            code += static_cast<char32_t>(digit);
        }
    }
    code += U';';
    return code;
}

bool needsCodes(const cipher::TextCipher& cipher, std::u32string_view note) {
    return holdsCharacterForACode(cipher, note) || readsAsCoded(cipher, note);
}

CodedCharacters codedCharacters(const cipher::TextCipher& cipher, std::u32string_view note) {
    CodedCharacters coded;
    if (!needsCodes(cipher, note)) {
        return coded;
    }
    forEachCharacter(cipher, note, [&coded](char32_t character, std::u32string code) {
        if (code.empty()) {
            return;
        }
        ++coded.count;
        coded.addedLength += code.size() - 1;
        const auto known = std::find_if(
            coded.kinds.begin(), coded.kinds.end(),
            [character](const CodedCharacter& kind) { return kind.character == character; });
        if (known == coded.kinds.end()) {
            coded.kinds.push_back({character, 1, std::move(code)});
        } else {
            ++known->count;
        }
    });
    return coded;
}

std::u32string withCodes(const cipher::TextCipher& cipher, std::u32string_view note) {
    return needsCodes(cipher, note) ? coded(cipher, note) : std::u32string(note);
}

std::u32string coded(const cipher::TextCipher& cipher, std::u32string_view text) {
    // A note holds few kinds of coded characters, many times each: each
    // code is written out once.
    std::vector<std::pair<char32_t, std::u32string>> codes;
    const auto codeOf = [&codes](char32_t character) -> const std::u32string& {
        const auto known = std::find_if(codes.begin(), codes.end(), [character](const auto& code) {
            return code.first == character;
        });
        return known != codes.end() ? known->second
                                    : codes.emplace_back(character, codeFor(character)).second;
    };
    const auto nextCoded = [&cipher, text](std::size_t at) {
        for (; at < text.size(); ++at) {
            if (isLineBreakAt(text, at)) {
                ++at;
            } else if (travelsAsCode(cipher, text[at], true)) {
                return at;
            }
        }
        return text.size();
    };
    // Measured first: a string of a million characters that outgrows its
    // room is copied whole, into memory the system has to hand out again.
    std::size_t length = text.size();
    for (std::size_t at = nextCoded(0); at < text.size(); at = nextCoded(at + 1)) {
        length += codeOf(text[at]).size() - 1;
    }
    std::u32string written;
    written.reserve(length);
    std::size_t from = 0;
    for (std::size_t at = nextCoded(0); at < text.size(); at = nextCoded(at + 1)) {
        written.append(text.substr(from, at - from));
        written += codeOf(text[at]);
        from = at + 1;
    }
    written.append(text.substr(from));
    return written;
}

AmpersandReading readAmpersands(const cipher::TextCipher& cipher, std::u32string_view text) {
    AmpersandReading reading;
    for (std::size_t at = text.find(kAmpersand); at != std::u32string_view::npos;
         at = text.find(kAmpersand, at + 1)) {
        const auto code = codeAt(text, at);
        if (!code) {
            ++reading.bare;
            continue;
        }
        const bool escapesACode = text.substr(at, code->length) == kAmpersandCode &&
                                  codeAfterAmpersand(text.substr(at + code->length)).has_value();
        if (escapesACode || cipher.alphabetPosition(code->character) == 0) {
            ++reading.telling;
        }
        at += code->length - 1;
    }
    return reading;
}

bool readsAsCoded(const cipher::TextCipher& cipher, std::u32string_view text) {
    const AmpersandReading reading = readAmpersands(cipher, text);
    return reading.bare == 0 && reading.telling != 0;
}

CodesReadBack readCodesBack(std::u32string_view text) {
    CodesReadBack read;
    read.text.reserve(text.size());
    for (std::size_t at = 0; at < text.size(); ++at) {
        const auto code = text[at] == kAmpersand ? codeAt(text, at) : std::nullopt;
        if (!code) {
            read.text += text[at];
            continue;
        }
        read.text += code->character;
        ++read.codes;
        at += code->length - 1;
    }
    return read;
}

}  // namespace notes
