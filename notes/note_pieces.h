// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace cipher {
class TextCipher;
}

namespace notes {

// Decrypt Text on several cipher texts at once: the pieces of one note or
// more, or whole cipher texts, each set apart from the next by an empty
// line. A line break inside one is taken out first, since no cipher text has
// one: a mail program put it there when it wrapped the lines. The pieces of
// a note are put together by their numbers; a note's pieces that are not all
// there, each once and in order, are reported, never put together.
struct DecryptedPieces {
    // The notes, an empty line between two, as the cipher texts stood.
    std::u32string text;
    std::size_t cipherTexts = 0;
    std::size_t notes = 0;
    // Line breaks taken out of the cipher texts.
    std::size_t wrappedLines = 0;
    // Spaces and tabs at the ends of their lines, as mail programs leave
    // them where they wrap, taken out of the cipher texts that do not
    // decrypt with them.
    std::size_t blanksAtLineEnds = 0;
    // The first cipher text, counted from 1, that does not decrypt whole
    // even so, while others decrypt into pieces of a note: it lost or
    // picked up characters on the way, and nothing is put together. 0 when
    // every one decrypts.
    std::size_t unreadable = 0;

    // The first piece that is not where it should be: the number expected
    // there (0 where no piece was) and the one found (0 where none was,
    // or a whole cipher text was).
    struct Gap {
        std::size_t expected = 0;
        std::size_t found = 0;
    };
    std::optional<Gap> gap;
};

// None when the text is not at least two cipher texts set apart by an empty
// line, each of which decrypts whole into a piece or a note that reads like
// text, or some of which decrypt into pieces: Decrypt Text then takes it as
// one text.
[[nodiscard]] std::optional<DecryptedPieces> decryptPieces(const cipher::TextCipher& cipher,
                                                           std::u32string_view text);

}  // namespace notes
