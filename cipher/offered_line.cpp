// SPDX-License-Identifier: MIT
#include "cipher/offered_line.h"

#include "cipher/limits.h"
#include "cipher/recovered_text.h"
#include "cipher/zero_groups.h"

namespace cipher {

namespace {

// The line ends in this character rather than a space. Its code has every
// one of a space's (0110111 against 0110101), and more ones never bring
// back a zero group, so it costs nothing; it keeps the line from looking
// like trailing blanks, which a typed note may end with.
constexpr char32_t kLineEnd = U'.';

}  // namespace

std::optional<Padding> offeredLine(const TextCipher& cipher, std::u32string_view text) {
    if (text.size() + kLineBreak.size() > kMaxTextLength) {
        return std::nullopt;
    }
    std::u32string withLineBreak(text);
    withLineBreak += kLineBreak;
    std::optional<Padding> line = paddingToEncrypt(cipher, withLineBreak);
    if (line && line->characters.back() == kPaddingCharacter) {
        line->characters.back() = kLineEnd;
    }
    return line;
}

std::u32string additionOf(const Padding& line) {
    std::u32string addition(kLineBreak);
    addition += line.characters;
    return addition;
}

std::size_t offeredLineAtEnd(const TextCipher& cipher, std::u32string_view text) {
    const std::size_t lineBreak = text.rfind(kLineBreak);
    if (lineBreak == std::u32string_view::npos || lineBreak + kLineBreak.size() == text.size()) {
        return 0;
    }
    const std::u32string_view before = text.substr(0, lineBreak);
    const std::u32string_view line = text.substr(lineBreak + kLineBreak.size());
    if (encrypts(cipher, before)) {
        return 0;
    }
    const std::optional<Padding> offered = offeredLine(cipher, before);
    return offered && offered->characters == line ? text.size() - lineBreak : 0;
}

}  // namespace cipher
