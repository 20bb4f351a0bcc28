// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cipher/cipher_error.h"
#include "cipher/limits.h"

namespace cipher {

// The keyless text cipher. Every character becomes the seven binary digits of
// its position in a fixed 127-character alphabet; the digit string is
// rearranged by a fixed transposition and read back, seven digits at a time,
// as alphabet characters. Texts are sequences of code points; bit strings are
// sequences of '0' and '1'.
//
// Creating a TextCipher builds the alphabet; afterwards it never changes, so
// one instance may serve any number of calls. The help around the cipher
// (what Encrypt Text will do with a note, codes for characters outside the
// alphabet, the offer's added line, reading back line breaks) lives in free
// functions of its own files that take a TextCipher.
//
// Every operation on a text throws TextTooLongError for more than 4,681
// characters, before any work; every one that reads groups back as
// characters throws ZeroGroupError at the first group of seven zeros. Bit
// strings that are not whole groups of '0' and '1' are refused with
// std::invalid_argument.
class TextCipher {
  public:
    TextCipher();

    // Alphabet: position 1 to 127 of a character, or 0 when it is not in the alphabet.
    [[nodiscard]] int alphabetPosition(char32_t character) const noexcept {
        return character < kTableSize ? positionTable[character] : widePosition(character);
    }
    // The character at position 1 to 127; throws std::out_of_range for any other position.
    [[nodiscard]] char32_t alphabetCharacter(int position) const;

    // Seven-digit code: appends the character's seven digits to bits.
    void addencrypt(char32_t character, std::string& bits) const;
    // Appends the character of the group whose first digit is at 1-based
    // position start of bits. Throws ZeroGroupError for a group of seven zeros
    // and std::invalid_argument when the group is out of range or not digits.
    void adddecrypt(std::int16_t start, std::u32string& text, const std::string& bits) const;
    // Seven digits per character, in text order.
    [[nodiscard]] std::string encodeText(std::u32string_view text) const;
    // One character per group of seven digits, in group order.
    [[nodiscard]] std::u32string decodeGroups(std::string_view bits) const;

    // Encrypt: group i of the result takes one digit from each seventh of bits.
    [[nodiscard]] static std::string scatterBits(std::string_view bits);
    [[nodiscard]] std::u32string encryptText(std::u32string_view text) const;

    // Decrypt: undoes scatterBits.
    [[nodiscard]] static std::string gatherBits(std::string_view bits);
    // The gathered bit string of a cipher text, before it is read as characters.
    [[nodiscard]] std::string decryptBits(std::u32string_view text) const;
    [[nodiscard]] std::u32string decryptText(std::u32string_view text) const;

  private:
    // alphabetPosition of a character past the table.
    int widePosition(char32_t character) const noexcept;

    // Code points below this are found through a table; the few above, by search.
    static constexpr char32_t kTableSize = 256;

    std::u32string alphabet;
    std::array<std::uint8_t, kTableSize> positionTable{};
    // Alphabet characters at or above kTableSize, with their positions.
    std::vector<std::pair<char32_t, std::uint8_t>> widePositions;
};

}  // namespace cipher
