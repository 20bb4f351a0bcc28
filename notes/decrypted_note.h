// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace cipher {
class TextCipher;
}

namespace notes {

// What Decrypt Text makes of a cipher text: every group decrypted, each pair
// of zero groups read back as a line break (see recovered_text.h), the
// ending taken off (see note_ending.h) or else an earlier version's offer's
// line (see offered_line.h), and the codes read back where the rest reads as
// coded (see character_codes.h).
struct DecryptedNote {
    std::u32string text;
    // The ending Encrypt Text added (see note_ending.h), taken off; empty when there was none.
    std::u32string ending;
    // With an ending of a piece: its number, from 1, and whether more follow.
    std::size_t piece = 0;
    bool continues = false;
    // An earlier version's offer's line taken off the end, its line break
    // first; empty when there was none.
    std::u32string offeredLine;
    // Line breaks put back, the offer's own not counted.
    std::size_t lineBreaks = 0;
    // kReplacementCharacter marks where a character could not come back.
    std::size_t marks = 0;
    // Codes read back as their characters.
    std::size_t codes = 0;
    // Whether every pair of zero groups was surely a line break. An earlier
    // version of the program wrote a character outside the alphabet as a zero
    // group, so two of them side by side came back as a line break that was
    // never there. This version writes such characters as codes and never
    // does; a text that lost no character at all shows no sign of it either.
    bool lineBreaksCertain = true;
    // The cipher text met at least one group of seven zeros.
    bool metZeroGroups = false;

    [[nodiscard]] bool complete() const { return marks == 0; }
    // The text as it was before the offer's line came off.
    [[nodiscard]] std::u32string withOfferedLine() const { return text + offeredLine; }
};

// Throws TextTooLongError for a cipher text over the length limit.
[[nodiscard]] DecryptedNote decryptNote(const cipher::TextCipher& cipher,
                                        std::u32string_view cipherText);

// A decrypted piece with its ending taken off, before its codes are read
// back: the codes of a note in pieces are read back once its pieces are
// together.
[[nodiscard]] DecryptedNote decryptPiece(const cipher::TextCipher& cipher,
                                         std::u32string_view cipherText);

// Reads back the codes of a note whose text is still coded.
void readCodesOf(const cipher::TextCipher& cipher, DecryptedNote& note);

}  // namespace notes
