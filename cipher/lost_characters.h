// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace cipher {

// One character outside the alphabet, and how often a text holds it.
struct LostCharacter {
    char32_t character = 0;
    std::size_t count = 0;

    friend bool operator==(const LostCharacter&, const LostCharacter&) = default;
};

// The characters of a text that Decrypt Text cannot bring back: those
// outside the alphabet, which encryption turns into seven zeros each. A line
// break (carriage return + line feed) is not among them, since its pair of
// zero groups comes back as a line break.
struct LostCharacters {
    std::size_t count = 0;
    // Line breaks, counted apart: they come back, but no cipher text holds one.
    std::size_t lineBreaks = 0;
    // Every kind once, in order of first appearance.
    std::vector<LostCharacter> kinds;

    [[nodiscard]] bool any() const { return count != 0; }
    // Characters outside the alphabet, line breaks included, as a person counts them.
    [[nodiscard]] std::size_t outsideAlphabet() const { return count + lineBreaks; }
};

}  // namespace cipher
