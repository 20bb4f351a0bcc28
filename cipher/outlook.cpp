// SPDX-License-Identifier: MIT
#include "cipher/outlook.h"

#include <algorithm>

#include "cipher/plain_forms.h"
#include "cipher/text_cipher.h"

namespace cipher {

using namespace detail;

Outlook TextCipher::outlook(std::u32string_view text) const {
    Outlook outlook;
    outlook.length = measureText(text);
    outlook.lost = lostCharacters(text);
    outlook.plainFormsHelp = std::any_of(
        outlook.lost.kinds.begin(), outlook.lost.kinds.end(),
        [](const LostCharacter& kind) { return plainForm(kind.character).has_value(); });
    if (!outlook.length.fits()) {
        outlook.verdict = Outlook::Verdict::TooLong;
    } else if (!encrypts(text)) {
        outlook.padding = paddingToEncrypt(text);
        outlook.verdict =
            outlook.padding ? Outlook::Verdict::NeedsPadding : Outlook::Verdict::CannotBePadded;
    }
    return outlook;
}

bool TextCipher::encrypts(std::u32string_view text) const {
    if (text.size() > kMaxTextLength) {
        return false;
    }
    const GroupValues values = scatteredGroupValues(encodeText(text));
    return std::find(values.begin(), values.end(), 0) == values.end();
}

}  // namespace cipher
