// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string_view>

// Internal to the note layer: the table behind character_codes.h.
namespace notes::detail {

// The HTML name of a character ("szlig" for ß), if it has one.
std::optional<std::string_view> nameOf(char32_t character);

// The character an HTML name stands for ("Auml" for Ä); names are case-sensitive.
std::optional<char32_t> characterNamed(std::string_view name);

}  // namespace notes::detail
