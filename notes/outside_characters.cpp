// SPDX-License-Identifier: MIT
#include "notes/outside_characters.h"

#include <algorithm>

#include "cipher/text_cipher.h"

namespace notes {

OutsideCharacters charactersOutside(const cipher::TextCipher& cipher, std::u32string_view text) {
    OutsideCharacters outside;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char32_t character = text[at];
        if (cipher.alphabetPosition(character) != 0) {
            continue;
        }
        if (character == U'\r' && at + 1 < text.size() && text[at + 1] == U'\n') {
            ++at;
            ++outside.lineBreaks;
            continue;
        }
        ++outside.count;
        const auto known = std::find_if(
            outside.kinds.begin(), outside.kinds.end(),
            [character](const OutsideCharacter& kind) { return kind.character == character; });
        if (known == outside.kinds.end()) {
            outside.kinds.push_back({character, 1});
        } else {
            ++known->count;
        }
    }
    return outside;
}

std::u32string alphabetOnly(const cipher::TextCipher& cipher, std::u32string_view text) {
    std::u32string kept;
    kept.reserve(text.size());
    std::copy_if(text.begin(), text.end(), std::back_inserter(kept),
                 [&cipher](char32_t character) { return cipher.alphabetPosition(character) != 0; });
    return kept;
}

}  // namespace notes
