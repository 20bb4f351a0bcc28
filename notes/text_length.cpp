// SPDX-License-Identifier: MIT
#include "notes/text_length.h"

namespace notes {

std::size_t countLineBreaks(std::u32string_view text) {
    std::size_t lineBreaks = 0;
    for (std::size_t at = 0; at + 1 < text.size(); ++at) {
        if (text[at] == U'\r' && text[at + 1] == U'\n') {
            ++lineBreaks;
        }
    }
    return lineBreaks;
}

TextLength measureText(std::u32string_view text, std::size_t addedByCodes) {
    return TextLength{text.size() + addedByCodes, countLineBreaks(text), addedByCodes};
}

}  // namespace notes
