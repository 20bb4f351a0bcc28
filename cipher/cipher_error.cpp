#include "cipher/cipher_error.h"

#include <string>

#include "cipher/limits.h"
#include "cipher/number_format.h"

namespace cipher {

ZeroGroupError::ZeroGroupError(std::size_t group)
    : CipherError("Group " + groupedNumber(group) +
                  " of the digits is seven zeros, which stands for no character, so the text "
                  "cannot be transformed."),
      group_(group) {}

TextTooLongError::TextTooLongError(std::size_t length)
    : CipherError("The text has " + groupedNumber(length) + " characters; at most " +
                  groupedNumber(kMaxTextLength) + " characters can be transformed."),
      length_(length) {}

}  // namespace cipher
