// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace cipher {
class TextCipher;
}

namespace notes {

// How Encrypt Text writes a coded note (see character_codes.h): as it
// stands where it encrypts and cannot be mistaken for one with an ending,
// else with an ending on its last line (see note_ending.h), or, where that
// is cheaper or the note is over the cipher's length limit, as pieces: each
// a cipher text of its own within the limit, with an ending that numbers
// it, one to a line and an empty line between two.
//
// A piece ends where the text with the piece's ending encrypts as it
// stands, found by trying lengths below a target that follows what worked
// for the piece before; only where no length near the target does is the
// ending given padding. A piece never ends between the carriage return and
// the line feed of a line break.
struct PlannedPiece {
    // Where the piece starts in the coded note, and its length there.
    std::size_t begin = 0;
    std::size_t length = 0;
    // What follows it; empty for a note that goes as it stands.
    std::u32string ending;
};

struct EncryptionPlan {
    std::vector<PlannedPiece> pieces;

    // Characters the endings add, and each empty line with its line break
    // between two pieces as one character each, as a person counts them.
    [[nodiscard]] std::size_t added() const;
    [[nodiscard]] bool asItStands() const { return pieces.size() == 1 && pieces[0].ending.empty(); }
};

// Every note can be planned: the longest takes as many pieces as it needs.
[[nodiscard]] EncryptionPlan planEncryption(const cipher::TextCipher& cipher,
                                            std::u32string_view coded);

// The cipher text of a coded note written as planned.
[[nodiscard]] std::u32string encryptPlanned(const cipher::TextCipher& cipher,
                                            std::u32string_view coded, const EncryptionPlan& plan);

// What stands between two pieces: a line break, an empty line and a line break.
inline constexpr std::u32string_view kPieceSeparator = U"\r\n\r\n";

}  // namespace notes
