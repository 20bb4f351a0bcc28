// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "notes/character_codes.h"
#include "notes/padding.h"
#include "notes/text_length.h"

namespace cipher {
class TextCipher;
}

namespace notes {

// What Encrypt Text would do with a note, worked out before it runs.
struct Outlook {
    enum class Verdict : std::uint8_t {
        AsItIs,          // it encrypts as it stands
        NeedsPadding,    // it meets a zero group; the offer's line lets it encrypt
        CannotBePadded,  // it meets a zero group, and no line within the limit helps
        TooLong,         // it is over the length limit, its codes counted
    };

    // The length as it reaches the cipher, codes included.
    TextLength length;
    Verdict verdict = Verdict::AsItIs;
    // With NeedsPadding: the characters of the line Encrypt Text would offer.
    std::optional<Padding> padding;
    // The characters that travel as codes.
    CodedCharacters codes;
    // Some of the coded characters have a plain form in the alphabet, which is shorter.
    bool plainFormsHelp = false;
};

// Never throws for a long note.
[[nodiscard]] Outlook outlookOf(const cipher::TextCipher& cipher, std::u32string_view note);

}  // namespace notes
