// SPDX-License-Identifier: MIT
#include "cipher/outlook.h"

#include <algorithm>

#include "cipher/offered_line.h"
#include "cipher/plain_forms.h"
#include "cipher/zero_groups.h"

namespace cipher {

Outlook outlookOf(const TextCipher& cipher, std::u32string_view note) {
    Outlook outlook;
    outlook.codes = codedCharacters(cipher, note);
    outlook.length = measureText(note, outlook.codes.addedLength);
    outlook.plainFormsHelp = std::any_of(
        outlook.codes.kinds.begin(), outlook.codes.kinds.end(),
        [](const CodedCharacter& kind) { return plainForm(kind.character).has_value(); });
    if (!outlook.length.fits()) {
        outlook.verdict = Outlook::Verdict::TooLong;
        return outlook;
    }
    const std::u32string coded = withCodes(cipher, note);
    if (!encrypts(cipher, coded)) {
        outlook.padding = offeredLine(cipher, coded);
        outlook.verdict =
            outlook.padding ? Outlook::Verdict::NeedsPadding : Outlook::Verdict::CannotBePadded;
    }
    return outlook;
}

}  // namespace cipher
