// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "notes/decrypted_note.h"
#include "notes/outside_characters.h"
#include "notes/picked_up.h"
#include "notes/text_length.h"

namespace cipher {
class TextCipher;
}

namespace notes {

// What Decrypt Text would do with a text, worked out before it writes
// anything. Every text over the alphabet decrypts to something, so whether
// the result reads like text (see text_judgement.h) decides, with what the
// text may have picked up on the way (see picked_up.h), whether Decrypt Text
// writes at once, asks first, or offers a way through.
struct DecryptionOutlook {
    enum class Verdict : std::uint8_t {
        // It decrypts in full into what reads like text (or is too short to judge).
        Decrypts,
        // It decrypts in full, but into what does not read like text, and
        // nothing it may have picked up explains that.
        DecryptsIntoNoText,
        // It reads like text, and its decryption does not: most likely a
        // text that was never encrypted.
        NotACipherText,
        // As it stands it does not decrypt in full into text; without what
        // it picked up on the way, it does.
        PickedUp,
        // It holds characters that no cipher text has, yet decrypts in full
        // into text; without them it may decrypt otherwise.
        DecryptsDespitePickedUp,
        // Characters cannot come back, or it holds characters that no cipher
        // text has, and removing what it picked up does not help.
        CannotComeBack,
        // It is over the length limit.
        TooLong,
    };

    Verdict verdict = Verdict::Decrypts;
    TextLength length;
    // The decryption as the text stands.
    DecryptedNote decrypted;
    // Whether that decryption reads like text, or is too short to judge.
    bool readsLikeText = true;
    // Characters of the text that no cipher text has, wherever they are.
    OutsideCharacters strays;
    // What the text picked up on the way and the decryption without it, set
    // together where that decryption is whole and reads like text.
    PickedUp pickedUp;
    std::optional<DecryptedNote> withoutPickedUp;
};

// Never throws for a long text.
[[nodiscard]] DecryptionOutlook decryptionOutlookOf(const cipher::TextCipher& cipher,
                                                    std::u32string_view text);

}  // namespace notes
