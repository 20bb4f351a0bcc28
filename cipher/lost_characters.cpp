#include "cipher/lost_characters.h"

#include "cipher/text_cipher.h"

namespace cipher {

LostCharacters TextCipher::lostCharacters(std::u32string_view text) const {
    LostCharacters lost;
    for (char32_t character : text) {
        if (alphabetPosition(character) != 0) {
            continue;
        }
        ++lost.count;
        if (character == U'\r' || character == U'\n') {
            ++lost.lineBreakCharacters;
        } else if (character == U'\t') {
            ++lost.tabs;
        } else if (lost.others.size() < LostCharacters::kListed &&
                   lost.others.find(character) == std::u32string::npos) {
            lost.others += character;
        }
    }
    return lost;
}

}  // namespace cipher
