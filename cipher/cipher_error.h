// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <stdexcept>

namespace cipher {

// A text the cipher cannot transform. what() is a short technical summary;
// the window words the message from the values each error carries.
class CipherError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A group of seven digits has the value 0, which stands for no character.
class ZeroGroupError : public CipherError {
  public:
    explicit ZeroGroupError(std::size_t group);

    // 1-based number of the first group whose value is 0.
    std::size_t group() const noexcept { return group_; }

  private:
    std::size_t group_;
};

// A text longer than the cipher's 4,681-character limit.
class TextTooLongError : public CipherError {
  public:
    explicit TextTooLongError(std::size_t length);

    // Number of characters of the refused text.
    std::size_t length() const noexcept { return length_; }

  private:
    std::size_t length_;
};

}  // namespace cipher
