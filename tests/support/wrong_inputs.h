// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "cipher/text_cipher.h"

namespace samples {

// Ways a text that is not the cipher text of a note reaches Decrypt Text.
enum class WrongInput : std::uint8_t {
    PlainText,       // a note itself, decrypted by mistake
    SpaceBefore,     // a note's cipher text that picked up a space in front,
    SpaceAfter,      // a space at the end,
    TwoSpacesAfter,  // two spaces at the end,
    TabBefore,       // a tab in front,
    LineBreakAfter,  // or a line break at the end
    WrappedAt76,     // a cipher text longer than 76 characters with a line break after every 76
    RandomText,      // random text over the alphabet
};

inline constexpr WrongInput kWrongInputs[] = {WrongInput::PlainText,   WrongInput::SpaceBefore,
                                              WrongInput::SpaceAfter,  WrongInput::TwoSpacesAfter,
                                              WrongInput::TabBefore,   WrongInput::LineBreakAfter,
                                              WrongInput::WrappedAt76, WrongInput::RandomText};

std::string_view wrongInputName(WrongInput kind);

// What Decrypt Text shows for a text when the user lets it decrypt: every
// group read back, a run of zero groups as line breaks and, when it is odd,
// a replacement mark, the offer's line taken off and codes read back. The one
// place the samples call the cipher's decryption.
std::u32string decryptedAnyway(const cipher::TextCipher& cipher, std::u32string_view text);

// The text handed to Decrypt Text, for each kind but RandomText made from
// the note (line breaks as carriage return + line feed); empty for a
// WrappedAt76 whose cipher text is not longer than 76 characters.
std::u32string wrongInputFor(const cipher::TextCipher& cipher, WrongInput kind,
                             const std::u32string& note);

// A text handed to Decrypt Text by mistake, and what it shows for it.
struct WrongSample {
    std::u32string input;
    std::u32string decryption;
};

// Every input of one kind, with its decryption: one for each real note (each
// with a cipher text longer than 76 characters for WrappedAt76), or 300
// random texts of 4 to 4,681 characters, spread evenly over the logarithm of
// their length, for RandomText. The same every run.
std::vector<WrongSample> wrongSamples(const cipher::TextCipher& cipher, WrongInput kind);

}  // namespace samples
