// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// What Decrypt Text's judgement is measured on besides samples::realNotes().
namespace samples {

// Notes that are mostly passwords, keys, PINs, account numbers, web
// addresses, command lines, markup, format strings and technical messages,
// from tests/data/judgement/technical_notes.txt, line breaks as carriage
// return + line feed.
const std::vector<std::u32string>& technicalNotes();

// What happens to a cipher text on the way: it loses a character when a
// selection falls short, or picks up white space at either end.
enum class Slip : std::uint8_t {
    LostLast,
    LostFirst,
    SpaceBefore,
    SpaceAfter,
    TabBefore,
    TabAfter,
    LineBreakBefore,
    LineBreakAfter,
};

inline constexpr Slip kSlips[] = {Slip::LostLast,        Slip::LostFirst,     Slip::SpaceBefore,
                                  Slip::SpaceAfter,      Slip::TabBefore,     Slip::TabAfter,
                                  Slip::LineBreakBefore, Slip::LineBreakAfter};

std::string_view slipName(Slip slip);

[[nodiscard]] bool losesCharacters(Slip slip);

// The cipher text after the slip; empty when it lost its only character.
std::u32string slipped(std::u32string_view cipherText, Slip slip);

}  // namespace samples
