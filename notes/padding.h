// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace cipher {
class TextCipher;
}

namespace notes {

// The padding character offered first to a text that meets a zero group on encryption.
inline constexpr char32_t kPaddingCharacter = U' ';

// Characters that, appended to a text, let it encrypt; spaces wherever a
// space does.
struct Padding {
    std::u32string characters;

    [[nodiscard]] std::size_t spaces() const;
    [[nodiscard]] std::size_t others() const { return characters.size() - spaces(); }
};

// The fewest characters, 1 or more, that let text encrypt when appended to it
// within the length limit, as many of them spaces as can be; none when no
// such characters exist. There always are for up to 4,012 characters.
[[nodiscard]] std::optional<Padding> paddingToEncrypt(const cipher::TextCipher& cipher,
                                                      std::u32string_view text);

// The smallest number of spaces, 1 or more, that lets text encrypt when
// appended to it, keeping within the length limit; none if there is no such number.
[[nodiscard]] std::optional<std::size_t> spacesToEncrypt(const cipher::TextCipher& cipher,
                                                         std::u32string_view text);

}  // namespace notes
