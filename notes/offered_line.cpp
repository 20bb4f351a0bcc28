// SPDX-License-Identifier: MIT
#include "notes/offered_line.h"

#include "cipher/alphabet_values.h"
#include "cipher/limits.h"
#include "cipher/text_cipher.h"
#include "cipher/zero_groups.h"
#include "notes/position_rules.h"
#include "notes/recovered_text.h"

namespace notes {

namespace {

// The line ends in a character that a typed note hardly ever ends with on a
// line of its own, so that Decrypt Text seldom takes a typed last line for
// the offer's. A tilde where the text still encrypts with it; else, for a
// space, a full stop, whose code has every one of a space's (0110111 against
// 0110101): more ones never bring back a zero group, so that costs nothing.
constexpr char32_t kLineEnd = U'~';
constexpr char32_t kSpaceLineEnd = U'.';

void endDistinctly(const cipher::TextCipher& cipher, const cipher::GroupValues& withLineBreak,
                   Padding& line) {
    cipher::GroupValues positions = withLineBreak;
    for (char32_t character : line.characters) {
        positions.push_back(static_cast<std::uint8_t>(cipher.alphabetPosition(character)));
    }
    positions.back() = static_cast<std::uint8_t>(cipher.alphabetPosition(kLineEnd));
    if (cipher::encryptsPositions(positions)) {
        line.characters.back() = kLineEnd;
    } else if (line.characters.back() == kPaddingCharacter) {
        line.characters.back() = kSpaceLineEnd;
    }
}

}  // namespace

std::optional<Padding> offeredLine(const cipher::TextCipher& cipher, std::u32string_view text) {
    if (text.size() + kLineBreak.size() > cipher::kMaxTextLength) {
        return std::nullopt;
    }
    return detail::offeredLineFor(cipher, cipher::alphabetPositions(cipher, text));
}

std::optional<Padding> detail::offeredLineFor(const cipher::TextCipher& cipher,
                                              cipher::GroupValues positions) {
    if (positions.size() + kLineBreak.size() > cipher::kMaxTextLength) {
        return std::nullopt;
    }
    // A line break is a carriage return and a line feed, both outside the alphabet.
    positions.insert(positions.end(), kLineBreak.size(), 0);
    std::optional<Padding> line = paddingFor(cipher, positions);
    if (line) {
        endDistinctly(cipher, positions, *line);
    }
    return line;
}

std::u32string additionOf(const Padding& line) {
    std::u32string addition(kLineBreak);
    addition += line.characters;
    return addition;
}

std::size_t offeredLineAtEnd(const cipher::TextCipher& cipher, std::u32string_view text) {
    const std::size_t lineBreak = text.rfind(kLineBreak);
    if (lineBreak == std::u32string_view::npos || lineBreak + kLineBreak.size() == text.size()) {
        return 0;
    }
    const std::u32string_view before = text.substr(0, lineBreak);
    const std::u32string_view line = text.substr(lineBreak + kLineBreak.size());
    if (cipher::encrypts(cipher, before)) {
        return 0;
    }
    const std::optional<Padding> offered = offeredLine(cipher, before);
    return offered && offered->characters == line ? text.size() - lineBreak : 0;
}

}  // namespace notes
