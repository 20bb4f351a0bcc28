// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "notes/character_codes.h"
#include "notes/text_length.h"

namespace cipher {
class TextCipher;
}

namespace notes {

// What Encrypt Text would do with a note, worked out before it runs.
struct Outlook {
    enum class Verdict : std::uint8_t {
        AsItIs,      // it encrypts as it stands
        WithEnding,  // it takes an ending of a few characters on its last line
        InPieces,    // it goes in pieces, each a cipher text of its own
        TooLong,     // it is over kMaxNoteLength, its codes counted
        // It is cipher texts that Decrypt Text reads back whole: Encrypt Text
        // would encrypt them again. Told for a long text, by the work done
        // ahead of the command.
        CipherTexts,
    };

    // The length as it reaches the cipher, codes included.
    TextLength length;
    Verdict verdict = Verdict::AsItIs;
    // Characters the endings add, and the empty lines between pieces, as a
    // person counts them.
    std::size_t added = 0;
    // How many pieces; 0 where they were not counted, which for a note over
    // the cipher's limit is only on request (see NoteTally::outlook).
    std::size_t pieces = 1;
    // For cipher texts: how many, and the notes they hold.
    std::size_t cipherTexts = 0;
    std::size_t notes = 0;
    // The characters that travel as codes.
    CodedCharacters codes;
    // Some of the coded characters have a plain form in the alphabet, which is shorter.
    bool plainFormsHelp = false;
};

// Never throws for a long note.
[[nodiscard]] Outlook outlookOf(const cipher::TextCipher& cipher, std::u32string_view note);

}  // namespace notes
