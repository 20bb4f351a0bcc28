// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "notes/cut_short.h"
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
        // It decrypts in full into what reads like text (or is too short to
        // judge), and nothing reads clearly more like text.
        Decrypts,
        // It decrypts in full, but into what does not read like text, and
        // nothing it may have picked up explains that.
        DecryptsIntoNoText,
        // It reads like text, and its decryption does not: most likely a
        // text that was never encrypted.
        NotACipherText,
        // Without what it picked up on the way it decrypts in full into
        // text: as it stands it does not, or it holds characters that no
        // cipher text has, or it reads clearly less like text.
        PickedUp,
        // It holds characters that no cipher text has, yet decrypts in full
        // into text, and without them it does not decrypt into text long
        // enough to judge.
        DecryptsDespitePickedUp,
        // With characters put back at its start or end it decrypts into
        // text, clearly more so than as it stands: most likely it was cut
        // short when copied.
        CutShort,
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
    // Whether that decryption reads like text, or is too short to judge, and
    // by how much (see text_judgement.h).
    bool readsLikeText = true;
    double evidence = 0;
    // Characters of the text that no cipher text has, wherever they are.
    OutsideCharacters strays;
    // What the text picked up on the way and the decryption without it, set
    // together where that decryption is whole and reads like text.
    PickedUp pickedUp;
    std::optional<DecryptedNote> withoutPickedUp;
    // Where and how many characters seem to be missing, set with the verdict CutShort.
    std::optional<CutShort> cutShort;
};

// In nats (see text_judgement.h): how much likelier as a person's text, e^10
// or about 22,000 times, another reading of a text must be to take the place
// of a decryption that reads like text as the text stands. A cipher text may
// begin or end in a space of its own, and a short note may read like text
// only just.
inline constexpr double kClearlyBetter = 10;

// Never throws for a long text.
[[nodiscard]] DecryptionOutlook decryptionOutlookOf(const cipher::TextCipher& cipher,
                                                    std::u32string_view text);

}  // namespace notes
