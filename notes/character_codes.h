// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "cipher/text_cipher.h"

namespace notes {

// Codes for characters outside the alphabet.
//
// The cipher carries only the 127 characters of its alphabet, so Encrypt Text
// hands it every other character of a note, line breaks apart, as a code made
// of alphabet characters, written as HTML writes a character reference:
// "&szlig;" for ß and "&Eacute;" for É (HTML 4's names), "&#9;" for a tab and
// "&#128512;" for an emoji (its decimal code point) where HTML 4 has no name.
// Whoever decrypts the cipher text, with whatever program, reads every such
// character spelled out in a notation that browsers, editors and converters
// know.
//
// The rule, which brings every note back exactly:
// - A note needs codes when it holds a character outside the alphabet other
//   than a line break, or when it already reads as coded (below).
// - In a note that needs codes, every "&" is written "&amp;" and every
//   character outside the alphabet, except a line break, as its code. A note
//   that needs none reaches the cipher exactly as it stands, so its cipher
//   text is the one it always had.
// - A text reads as coded when every "&" in it begins a code and at least one
//   code stands for a character outside the alphabet, or is "&amp;" followed by
//   what would read as a code after an "&". Decrypt Text reads the codes back
//   in such a text, and only in such a text.
// Every note that Encrypt Text codes reads as coded, and reading its codes
// back gives the note. A note that needs no codes does not read as coded and
// comes back as it stands. So a note about HTML keeps its "&amp;": either it
// needs no codes, or its "&" becomes "&amp;amp;", which reads back as "&amp;".

// A kind of character that travels as a code, how often, and its code.
struct CodedCharacter {
    char32_t character = 0;
    std::size_t count = 0;
    std::u32string code;

    friend bool operator==(const CodedCharacter&, const CodedCharacter&) = default;
};

// The characters of a note that travel as codes.
struct CodedCharacters {
    std::size_t count = 0;
    // How many characters longer the codes make the note.
    std::size_t addedLength = 0;
    // Every kind once, in order of first appearance.
    std::vector<CodedCharacter> kinds;

    [[nodiscard]] bool any() const { return count != 0; }

    friend bool operator==(const CodedCharacters&, const CodedCharacters&) = default;
};

// The code of a character: its HTML 4 name, else its decimal code point.
// No code stands for U+0000, a surrogate or a value past U+10FFFF, as in
// HTML: such a character travels as the code of U+FFFD, the replacement mark,
// and a code for one in a text is no code, so it stays as written.
[[nodiscard]] std::u32string codeFor(char32_t character);

[[nodiscard]] bool needsCodes(const cipher::TextCipher& cipher, std::u32string_view note);

// Whether the character travels as a code in a note that does or does not
// need codes. Inline: it is asked of every character at every count.
[[nodiscard]] inline bool travelsAsCode(const cipher::TextCipher& cipher, char32_t character,
                                        bool noteNeedsCodes) {
    return noteNeedsCodes && (character == U'&' || cipher.alphabetPosition(character) == 0);
}

[[nodiscard]] CodedCharacters codedCharacters(const cipher::TextCipher& cipher,
                                              std::u32string_view note);

// The note as it reaches the cipher: with codes where it needs them, else as it stands.
[[nodiscard]] std::u32string withCodes(const cipher::TextCipher& cipher, std::u32string_view note);

// The text with every "&" and every character outside the alphabet but a
// line break written as its code, as in a note that needs codes.
[[nodiscard]] std::u32string coded(const cipher::TextCipher& cipher, std::u32string_view text);

[[nodiscard]] bool readsAsCoded(const cipher::TextCipher& cipher, std::u32string_view text);

// How the ampersands of a text read: how many begin no code, and how many
// begin a code that makes the text read as coded (one for a character
// outside the alphabet, or "&amp;" followed by what would read as a code).
// A text reads as coded when none is of the first kind and one of the second.
struct AmpersandReading {
    std::size_t bare = 0;
    std::size_t telling = 0;
};

[[nodiscard]] AmpersandReading readAmpersands(const cipher::TextCipher& cipher,
                                              std::u32string_view text);

// A text with its codes read back: the note, for a text that reads as coded.
struct CodesReadBack {
    std::u32string text;
    std::size_t codes = 0;
};

// Reads back every code of the text; an "&" that begins none stays as it is.
[[nodiscard]] CodesReadBack readCodesBack(std::u32string_view text);

}  // namespace notes
