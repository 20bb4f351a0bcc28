// SPDX-License-Identifier: MIT
#include <algorithm>

#include "cipher/recovered_text.h"
#include "cipher/text_cipher.h"

namespace cipher {

using namespace detail;

RecoveredText TextCipher::decryptRestoringLineBreaks(std::u32string_view text) const {
    const GroupValues values = groupValues(decryptBits(text));
    RecoveredText recovered;
    recovered.text.reserve(values.size());
    for (std::size_t group = 0; group < values.size();) {
        if (values[group] != 0) {
            recovered.text += alphabet[values[group] - 1u];
            ++group;
            continue;
        }
        const auto runEnd =
            std::find_if(values.begin() + static_cast<std::ptrdiff_t>(group), values.end(),
                         [](std::uint8_t value) { return value != 0; });
        const auto run = static_cast<std::size_t>(runEnd - values.begin()) - group;
        for (std::size_t pair = 0; pair < run / 2; ++pair) {
            recovered.text += U"\r\n";
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

}  // namespace cipher
