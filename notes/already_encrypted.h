// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string_view>

#include "notes/note_pieces.h"

namespace cipher {
class TextCipher;
}

namespace notes {

// Whether a text looks like a cipher text already, so that Encrypt Text on
// it encrypts it a second time: it may be wanted, and the user is told.
//
// It does when the text does not read like text itself (see
// text_judgement.h) and decrypts whole into what clearly does: every
// character back, and, for several cipher texts set apart by empty lines,
// each one into a note or a piece of one. An ordinary note reads like text,
// or decrypts into uniform characters, or both; a note of codes and
// passwords decrypts into characters no likelier as a person's text than
// the note itself. Texts too short to judge never look like one.
[[nodiscard]] bool looksAlreadyEncrypted(const cipher::TextCipher& cipher,
                                         std::u32string_view text);

// What a text that looks like several cipher texts already decrypts into,
// as looksAlreadyEncrypted judges it; none for any other text. Where the
// result is wanted too, a long text is decrypted once rather than twice.
[[nodiscard]] std::optional<DecryptedPieces> alreadyEncryptedPieces(
    const cipher::TextCipher& cipher, std::u32string_view text);

}  // namespace notes
