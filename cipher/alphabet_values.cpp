// SPDX-License-Identifier: MIT
#include "cipher/alphabet_values.h"

#include <algorithm>
#include <array>

#include "cipher/text_cipher.h"

namespace cipher {

GroupValues alphabetPositions(const TextCipher& cipher, std::u32string_view text) {
    GroupValues positions(text.size());
    for (std::size_t index = 0; index < text.size(); ++index) {
        positions[index] = static_cast<std::uint8_t>(cipher.alphabetPosition(text[index]));
    }
    return positions;
}

std::u32string charactersAt(const TextCipher& cipher, const GroupValues& values,
                            std::optional<char32_t> forZero) {
    const auto zero = std::find(values.begin(), values.end(), 0);
    if (zero != values.end() && !forZero) {
        throw ZeroGroupError(static_cast<std::size_t>(zero - values.begin()) + 1);
    }
    std::array<char32_t, kAlphabetSize + 1> characters{};
    characters[0] = forZero.value_or(U'\0');
    for (std::size_t position = 1; position < characters.size(); ++position) {
        characters[position] = cipher.alphabetCharacter(static_cast<int>(position));
    }
    std::u32string text(values.size(), U'\0');
    for (std::size_t group = 0; group < values.size(); ++group) {
        text[group] = characters[values[group]];
    }
    return text;
}

}  // namespace cipher
