// SPDX-License-Identifier: MIT
#include "notes/recovered_text.h"

#include <algorithm>

#include "cipher/alphabet_values.h"
#include "cipher/text_cipher.h"

namespace notes {

RecoveredText decryptRestoringLineBreaks(const cipher::TextCipher& cipher,
                                         std::u32string_view text) {
    const cipher::GroupValues values = cipher::groupValues(cipher.decryptBits(text));
    // Every group as its character, zero groups as marks for now.
    const std::u32string characters = cipher::charactersAt(cipher, values, kReplacementCharacter);
    RecoveredText recovered;
    recovered.text.reserve(values.size());
    for (std::size_t group = 0; group < values.size();) {
        if (values[group] != 0) {
            recovered.text += characters[group];
            ++group;
            continue;
        }
        const auto runEnd =
            std::find_if(values.begin() + static_cast<std::ptrdiff_t>(group), values.end(),
                         [](std::uint8_t value) { return value != 0; });
        const auto run = static_cast<std::size_t>(runEnd - values.begin()) - group;
        for (std::size_t pair = 0; pair < run / 2; ++pair) {
            recovered.text += kLineBreak;
        }
        recovered.lineBreaks += run / 2;
        if (run % 2 != 0) {
            recovered.text += kReplacementCharacter;
            ++recovered.marks;
        }
        group += run;
    }
    return recovered;
}

std::u32string decryptTextLeniently(const cipher::TextCipher& cipher, std::u32string_view text) {
    return cipher::charactersAt(cipher, cipher::groupValues(cipher.decryptBits(text)),
                                kReplacementCharacter);
}

}  // namespace notes
