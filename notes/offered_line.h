// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "notes/padding.h"

namespace cipher {
class TextCipher;
}

namespace notes {

// What Encrypt Text offers a text that meets a zero group: a line break, and
// on the new line the fewest characters that then let the text encrypt,
// spaces wherever a space does, ending in a tilde where one does and never
// in a space. On a
// line of its own the addition stays out of the way of anyone who decrypts
// with another program, and Decrypt Text can tell it from the note: the end
// of a decrypted text is the offer's line when the text before that line does
// not encrypt and the line holds exactly the characters the offer gives it.
//
// A typed note is taken for an offer's line only when its last line happens
// to be exactly those characters: rare, and the window says what it took off
// and keeps it a Ctrl+Z away.

// The characters of the line offered to text, none when no such line lets
// it encrypt within the length limit. There always is one for up to 4,010
// characters.
[[nodiscard]] std::optional<Padding> offeredLine(const cipher::TextCipher& cipher,
                                                 std::u32string_view text);

// What the offer adds to the text: a line break and the line's characters.
[[nodiscard]] std::u32string additionOf(const Padding& line);

// How many characters at the end of text, its line break included, are the
// offer's line; 0 when its end is not one.
[[nodiscard]] std::size_t offeredLineAtEnd(const cipher::TextCipher& cipher,
                                           std::u32string_view text);

}  // namespace notes
