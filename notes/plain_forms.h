// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace notes {

// Characters outside the alphabet that keyboards, phones and word processors
// put in on their own, each with a plain look-alike made of alphabet
// characters: typographic quotes and dashes, the ellipsis and the Unicode
// spaces. Nothing replaces them unless the user asks.
[[nodiscard]] std::optional<std::u32string_view> plainForm(char32_t character);

// The text with every character that has a plain form replaced by it.
[[nodiscard]] std::u32string withPlainForms(std::u32string_view text);

}  // namespace notes
