// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string_view>

// Internal to the cipher: not part of its interface.
namespace cipher::detail {

// Guards for bit strings handed to the public operations. Each throws
// std::invalid_argument with a message that names the operation.
void requireBitString(std::string_view bits, const char* operation);

// Throws TextTooLongError for a text above the length limit.
void requireTransformableLength(std::size_t length);

}  // namespace cipher::detail
