// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>

#include "cipher/lost_characters.h"
#include "cipher/padding.h"
#include "cipher/text_length.h"

namespace cipher {

// What Encrypt Text would do with a text, worked out before it runs.
struct Outlook {
    enum class Verdict : std::uint8_t {
        AsItIs,          // it encrypts as it stands
        NeedsPadding,    // it meets a zero group; padding lets it encrypt
        CannotBePadded,  // it meets a zero group, and no padding within the limit helps
        TooLong,         // it is over the length limit
    };

    TextLength length;
    Verdict verdict = Verdict::AsItIs;
    // With NeedsPadding: the padding Encrypt Text would offer.
    std::optional<Padding> padding;
    // What Decrypt Text could not bring back.
    LostCharacters lost;
    // Some of the lost characters have a plain form in the alphabet.
    bool plainFormsHelp = false;
};

}  // namespace cipher
