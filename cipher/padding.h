// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>

namespace cipher {

// The padding character offered first to a text that meets a zero group on encryption.
inline constexpr char32_t kPaddingCharacter = U' ';

// Characters that, appended to a text, let it encrypt; spaces wherever a
// space does.
struct Padding {
    std::u32string characters;

    [[nodiscard]] std::size_t spaces() const;
    [[nodiscard]] std::size_t others() const { return characters.size() - spaces(); }
};

}  // namespace cipher
