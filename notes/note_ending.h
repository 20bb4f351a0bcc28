// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace notes {

// What Encrypt Text adds at the end of a text so that it encrypts, and so
// that the pieces of a long note can be put together again. It stands on the
// text's last line, so that whoever decrypts with another program reads the
// note followed by a few characters, with no line break:
//
//   "~~" padding            a note in one cipher text
//   "~" k "+~" padding      piece k of a note, more pieces follow
//   "~" k "=~" padding      piece k of a note, the last one
//
// The padding is zero or more alphabet characters other than "~", so an
// ending is read from the end of the text: its padding is what follows the
// last "~", its tag what stands between that "~" and the one before. Like
// byte stuffing, Encrypt Text adds an ending to every text whose own end
// would read as one, so that a typed note is never taken for one with an
// ending: Decrypt Text takes off exactly one ending, and only one.
inline constexpr char32_t kEndingMark = U'~';
// The padding of a note in one cipher text is short: a longer one goes in
// pieces. So a note that a version before endings wrote, with "~~" and a few
// words after it at its end, is not read as one with an ending.
inline constexpr std::size_t kMostOneTextPadding = 8;

struct NoteEnding {
    // Characters of the ending, counted from the end of the text.
    std::size_t length = 0;
    // 0 for a note in one cipher text; else the piece's number, from 1.
    std::size_t piece = 0;
    // More pieces follow this one.
    bool continues = false;
};

// The characters of an ending.
[[nodiscard]] std::u32string endingText(std::size_t piece, bool continues,
                                        std::u32string_view padding);

// The ending that text ends with, if it ends with one.
[[nodiscard]] std::optional<NoteEnding> endingOf(std::u32string_view text);

}  // namespace notes
