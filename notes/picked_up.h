// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "notes/outside_characters.h"

namespace cipher {
class TextCipher;
}

namespace notes {

// White space at one end of a text: spaces, tabs and line breaks (a
// carriage return + line feed, or either alone, is one line break).
struct EndSpace {
    std::size_t spaces = 0;
    std::size_t tabs = 0;
    std::size_t lineBreaks = 0;

    [[nodiscard]] bool any() const { return spaces + tabs + lineBreaks != 0; }
    friend bool operator==(const EndSpace&, const EndSpace&) = default;
};

// What a cipher text may have picked up on the way, when it was copied with
// a mouse, mailed or chatted: white space at either end, and characters that
// no cipher text has (a line break where a mail program wrapped it) between.
// Encrypt Text writes only alphabet characters, so a character outside the
// alphabet is always picked up; a space at either end only may be, since a
// cipher text can begin or end in one.
struct PickedUp {
    EndSpace atStart;
    EndSpace atEnd;
    // Characters outside the alphabet between the ends.
    OutsideCharacters inside;
    // The text without them.
    std::u32string rest;

    [[nodiscard]] bool any() const {
        return atStart.any() || atEnd.any() || inside.any() || inside.lineBreaks != 0;
    }
};

// Characters outside the alphabet are always taken off; the spaces at
// either end only where asked, since they may be the cipher text's own.
[[nodiscard]] PickedUp pickedUp(const cipher::TextCipher& cipher, std::u32string_view text,
                                bool spacesAtStart, bool spacesAtEnd);

}  // namespace notes
