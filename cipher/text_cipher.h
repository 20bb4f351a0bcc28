// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cipher/cipher_error.h"
#include "cipher/detail/group_values.h"
#include "cipher/limits.h"
#include "cipher/lost_characters.h"
#include "cipher/outlook.h"
#include "cipher/padding.h"
#include "cipher/recovered_text.h"
#include "cipher/text_length.h"

namespace cipher {

// The keyless text cipher. Every character becomes the seven binary digits of
// its position in a fixed 127-character alphabet; the digit string is
// rearranged by a fixed transposition and read back, seven digits at a time,
// as alphabet characters. Texts are sequences of code points; bit strings are
// sequences of '0' and '1'.
//
// Creating a TextCipher builds the alphabet; afterwards it never changes, so
// one instance may serve any number of calls.
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

    // Help when a text cannot be transformed exactly.

    // Whether encryptText takes the text without an error.
    [[nodiscard]] bool encrypts(std::u32string_view text) const;
    // What Encrypt Text would do with the text and what Decrypt Text could
    // not bring back; never throws for a long text.
    [[nodiscard]] Outlook outlook(std::u32string_view text) const;

    // The characters of text that Decrypt Text cannot bring back.
    [[nodiscard]] LostCharacters lostCharacters(std::u32string_view text) const;
    // The text without the characters outside the alphabet, which no cipher text holds.
    [[nodiscard]] std::u32string alphabetOnly(std::u32string_view text) const;
    // The smallest number of spaces, 1 or more, that lets text encrypt when
    // appended to it, keeping within the length limit; none if there is no such number.
    [[nodiscard]] std::optional<std::size_t> spacesToEncrypt(std::u32string_view text) const;
    // The fewest characters, 1 or more, that let text encrypt when appended
    // to it within the length limit, as many of them spaces as can be; none
    // when no such characters exist. There always are for up to 4,012 characters.
    [[nodiscard]] std::optional<Padding> paddingToEncrypt(std::u32string_view text) const;
    // Decrypts every group, putting kReplacementCharacter where a group is
    // seven zeros instead of refusing the text.
    [[nodiscard]] std::u32string decryptTextLeniently(std::u32string_view text) const;
    // Decrypts every group, reading runs of zero groups as line breaks (see RecoveredText).
    [[nodiscard]] RecoveredText decryptRestoringLineBreaks(std::u32string_view text) const;

  private:
    // alphabetPosition of a character past the table.
    int widePosition(char32_t character) const noexcept;
    // Alphabet position of every character of text, 0 for those outside it.
    detail::GroupValues alphabetPositions(std::u32string_view text) const;
    // The character at each value. A 0 becomes forZero, or without one
    // throws ZeroGroupError.
    std::u32string charactersAt(const detail::GroupValues& values,
                                std::optional<char32_t> forZero = std::nullopt) const;
    // The first padding character, readable ones first, whose code has every given digit set.
    char32_t paddingCharacterWith(std::uint8_t digits) const;

    // Code points below this are found through a table; the few above, by search.
    static constexpr char32_t kTableSize = 256;

    std::u32string alphabet;
    std::array<std::uint8_t, kTableSize> positionTable{};
    // Alphabet characters at or above kTableSize, with their positions.
    std::vector<std::pair<char32_t, std::uint8_t>> widePositions;
};

}  // namespace cipher
