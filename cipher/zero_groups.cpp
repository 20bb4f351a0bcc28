// SPDX-License-Identifier: MIT
#include "cipher/zero_groups.h"

#include <algorithm>

#include "cipher/group_values.h"
#include "cipher/text_cipher.h"

namespace cipher {

bool encrypts(const TextCipher& cipher, std::u32string_view text) {
    if (text.size() > kMaxTextLength) {
        return false;
    }
    const GroupValues values = scatteredGroupValues(cipher.encodeText(text));
    return std::find(values.begin(), values.end(), 0) == values.end();
}

bool encryptsPositions(const GroupValues& positions) {
    const GroupValues values = scatteredGroupValues(digitsOf(positions));
    return std::find(values.begin(), values.end(), 0) == values.end();
}

}  // namespace cipher
