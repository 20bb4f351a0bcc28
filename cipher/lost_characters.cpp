// SPDX-License-Identifier: MIT
#include "cipher/lost_characters.h"

#include <algorithm>

#include "cipher/text_cipher.h"

namespace cipher {

LostCharacters TextCipher::lostCharacters(std::u32string_view text) const {
    LostCharacters lost;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char32_t character = text[at];
        if (alphabetPosition(character) != 0) {
            continue;
        }
        if (character == U'\r' && at + 1 < text.size() && text[at + 1] == U'\n') {
            ++at;
            ++lost.lineBreaks;
            continue;
        }
        ++lost.count;
        const auto known = std::find_if(
            lost.kinds.begin(), lost.kinds.end(),
            [character](const LostCharacter& kind) { return kind.character == character; });
        if (known == lost.kinds.end()) {
            lost.kinds.push_back({character, 1});
        } else {
            ++known->count;
        }
    }
    return lost;
}

std::u32string TextCipher::alphabetOnly(std::u32string_view text) const {
    std::u32string kept;
    kept.reserve(text.size());
    std::copy_if(text.begin(), text.end(), std::back_inserter(kept),
                 [this](char32_t character) { return alphabetPosition(character) != 0; });
    return kept;
}

}  // namespace cipher
