#pragma once

#include <cstddef>
#include <string>

namespace cipher {

// The characters of a text that lie outside the alphabet. Encryption turns
// each into seven zeros, so decryption cannot bring them back.
struct LostCharacters {
    std::size_t count = 0;
    // Carriage returns and line feeds: a line end is usually one of each.
    std::size_t lineBreakCharacters = 0;
    std::size_t tabs = 0;
    // Every other one, listed once each in order of first appearance, at most kListed.
    std::u32string others;

    static constexpr std::size_t kListed = 5;

    bool any() const { return count != 0; }
};

// Decrypting leniently puts this character where a character was lost.
inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// The padding character offered to a text that meets a zero group on encryption.
inline constexpr char32_t kPaddingCharacter = U' ';

}  // namespace cipher
