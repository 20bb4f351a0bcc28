// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace samples {

// The sample notes one after another, each followed by lineBreak, cut to
// length: a long letter with line breaks of its own.
std::u32string longLetter(std::size_t length, std::u32string_view lineBreak);

// The same text on one line: each line break a space.
std::u32string oneLine(std::u32string text);

// The cipher texts of a text that Encrypt Text wrote in pieces.
std::vector<std::u32string> piecesOf(std::u32string_view written);

// The texts with between between two.
std::u32string joined(const std::vector<std::u32string>& texts, std::u32string_view between);

// The text with a line break after every width characters, as a mail program wraps it.
std::u32string wrapped(std::u32string_view text, std::size_t width);

}  // namespace samples
