// SPDX-License-Identifier: MIT
#include "notes/decryption_outlook.h"

#include <utility>

#include "notes/text_judgement.h"

namespace notes {
namespace {

using Verdict = DecryptionOutlook::Verdict;

// A text too short to judge is given the benefit of the doubt.
bool readsLikeTextOrTooShort(std::u32string_view text) {
    return !judgeText(text).doesNotReadLikeText();
}

std::optional<DecryptedNote> decryptionWithout(const cipher::TextCipher& cipher,
                                               const PickedUp& picked) {
    if (!picked.any() || picked.rest.empty()) {
        return std::nullopt;
    }
    DecryptedNote decrypted = decryptNote(cipher, picked.rest);
    if (!decrypted.complete() || !readsLikeTextOrTooShort(decrypted.text)) {
        return std::nullopt;
    }
    return decrypted;
}

// Characters outside the alphabet were picked up for certain; a space at
// either end may be the cipher text's own. Tries the fewest removals first.
void findDecryptionWithout(const cipher::TextCipher& cipher, std::u32string_view text,
                           DecryptionOutlook& outlook) {
    for (const auto& [atStart, atEnd] : {std::pair{false, false}, std::pair{false, true},
                                         std::pair{true, false}, std::pair{true, true}}) {
        PickedUp picked = pickedUp(cipher, text, atStart, atEnd);
        if (auto decrypted = decryptionWithout(cipher, picked)) {
            outlook.pickedUp = std::move(picked);
            outlook.withoutPickedUp = std::move(decrypted);
            return;
        }
    }
}

Verdict verdictOf(const DecryptionOutlook& outlook, std::u32string_view text) {
    const bool whole = outlook.decrypted.complete();
    const bool strays = outlook.strays.withLineBreaks() != 0;
    if (whole && outlook.readsLikeText && !strays) {
        return Verdict::Decrypts;
    }
    if (!outlook.readsLikeText && judgeText(text).readsLikeText()) {
        return Verdict::NotACipherText;
    }
    if (whole && outlook.readsLikeText) {
        return Verdict::DecryptsDespitePickedUp;
    }
    if (outlook.withoutPickedUp) {
        return Verdict::PickedUp;
    }
    return whole && !strays ? Verdict::DecryptsIntoNoText : Verdict::CannotComeBack;
}

}  // namespace

DecryptionOutlook decryptionOutlookOf(const cipher::TextCipher& cipher, std::u32string_view text) {
    DecryptionOutlook outlook;
    outlook.length = measureText(text);
    if (!outlook.length.fits()) {
        outlook.verdict = Verdict::TooLong;
        return outlook;
    }
    outlook.decrypted = decryptNote(cipher, text);
    outlook.readsLikeText = readsLikeTextOrTooShort(outlook.decrypted.text);
    outlook.strays = charactersOutside(cipher, text);
    if (!outlook.decrypted.complete() || !outlook.readsLikeText ||
        outlook.strays.withLineBreaks() != 0) {
        findDecryptionWithout(cipher, text, outlook);
    }
    outlook.verdict = verdictOf(outlook, text);
    return outlook;
}

}  // namespace notes
