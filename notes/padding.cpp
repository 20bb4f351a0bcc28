// SPDX-License-Identifier: MIT
#include "notes/padding.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "cipher/alphabet_values.h"
#include "cipher/cipher_error.h"
#include "cipher/text_cipher.h"
#include "notes/packed_digits.h"
#include "notes/position_rules.h"

namespace notes {

using namespace detail;

namespace {

// Encrypting lays a text's digits row by row into 7 rows of N (N characters)
// and reads the columns as the new groups. Characters appended to a text of
// n characters put their 7p digits at the end of the last row, where they
// become the last digit of the last 7p columns (as long as 6p <= n): appended
// characters can give a 1 to exactly those columns, and nothing else. So p
// characters can help if and only if every column left of them already holds
// a 1, and with p = ceil(n / 6) the appended digits fill the whole last row.

// True when every one of the first `columns` columns of the 7 x rowLength
// matrix holds a 1.
bool leadingColumnsHoldOnes(const PackedDigits& digits, std::size_t rowLength,
                            std::size_t columns) {
    for (std::size_t first = 0; first < columns; first += 64) {
        std::uint64_t ones = 0;
        for (std::size_t row = 0; row < cipher::kCodeLength; ++row) {
            ones |= digits.wordAt(row * rowLength + first);
        }
        const std::size_t width = std::min<std::size_t>(64, columns - first);
        const std::uint64_t wanted =
            width == 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << width) - 1;
        if ((ones & wanted) != wanted) {
            return false;
        }
    }
    return true;
}

// The columns of the 7 x rowLength matrix that none of the text's own digits
// gives a 1, in order, found 64 columns at a time.
std::vector<std::size_t> columnsWithoutOnes(const PackedDigits& digits, std::size_t rowLength) {
    std::vector<std::size_t> columns;
    for (std::size_t first = 0; first < rowLength; first += 64) {
        std::uint64_t ones = 0;
        for (std::size_t row = 0; row < cipher::kCodeLength; ++row) {
            const std::size_t start = row * rowLength + first;
            if (start >= digits.size()) {
                break;
            }
            std::uint64_t word = digits.wordAt(start);
            if (digits.size() - start < 64) {
                word &= (std::uint64_t{1} << (digits.size() - start)) - 1;
            }
            ones |= word;
        }
        const std::size_t width = std::min<std::size_t>(64, rowLength - first);
        for (std::size_t column = 0; column < width; ++column) {
            if ((ones >> column & 1u) == 0) {
                columns.push_back(first + column);
            }
        }
    }
    return columns;
}

bool enoughToHelp(const PackedDigits& digits, std::size_t length, std::size_t added) {
    if (added * (cipher::kCodeLength - 1) >= length) {
        return true;
    }
    return leadingColumnsHoldOnes(digits, length + added,
                                  length - added * (cipher::kCodeLength - 1));
}

// Bit of a seven-digit code for its digit 0 (most significant) to 6.
std::uint8_t digitMask(std::size_t digit) {
    return static_cast<std::uint8_t>(1u << (cipher::kCodeLength - 1 - digit));
}

// Readable characters to try, in order, for a padding character that must
// have certain digits set; after them, the whole alphabet in order.
constexpr std::u32string_view kPaddingPreference = U" .,:;!?-'abcdefghijklmnopqrstuvwxyz0123456789";

// The first padding character, readable ones first, whose code has every given digit set.
char32_t paddingCharacterWith(const cipher::TextCipher& cipher, std::uint8_t digits) {
    for (char32_t candidate : kPaddingPreference) {
        if ((cipher.alphabetPosition(candidate) & digits) == digits) {
            return candidate;
        }
    }
    for (int position = 1; position <= cipher::kAlphabetSize; ++position) {
        if ((position & digits) == digits) {
            return cipher.alphabetCharacter(position);
        }
    }
    return cipher.alphabetCharacter(cipher::kAlphabetSize);
}

}  // namespace

std::size_t Padding::spaces() const {
    return static_cast<std::size_t>(
        std::count(characters.begin(), characters.end(), kPaddingCharacter));
}

// For the fewest characters that can help, the digits that each must set
// follow from the columns that hold no 1 of the text's own; a character
// that needs none of the digits a space lacks stays a space.
std::optional<Padding> paddingToEncrypt(const cipher::TextCipher& cipher,
                                        std::u32string_view text) {
    if (text.size() > cipher::kMaxTextLength) {
        throw cipher::TextTooLongError(text.size());
    }
    return paddingFor(cipher, cipher::alphabetPositions(cipher, text));
}

std::optional<Padding> detail::paddingFor(const cipher::TextCipher& cipher,
                                          const cipher::GroupValues& positions,
                                          std::size_t mostCharacters) {
    const std::size_t length = positions.size();
    const PackedDigits digits(positions);
    // Each count tried costs a pass over the digits: a caller that takes a
    // few characters at most is not kept waiting for a count of thousands.
    const std::size_t most =
        std::min(mostCharacters, cipher::kMaxTextLength - std::min(length, cipher::kMaxTextLength));
    std::size_t added = 1;
    while (added <= most && !enoughToHelp(digits, length, added)) {
        ++added;
    }
    if (added > most) {
        return std::nullopt;
    }

    const std::size_t rowLength = length + added;
    const auto spaceCode = static_cast<std::uint8_t>(cipher.alphabetPosition(kPaddingCharacter));
    std::vector<std::uint8_t> needed(added, 0);
    for (const std::size_t column : columnsWithoutOnes(digits, rowLength)) {
        bool holdsOne = false;
        // The column's digits that fall among the appended ones, counted from their start.
        std::array<std::size_t, cipher::kCodeLength> appended{};
        std::size_t appendedCount = 0;
        for (std::size_t row = 0; row < cipher::kCodeLength; ++row) {
            const std::size_t at = column + row * rowLength;
            if (at < digits.size()) {
                holdsOne = holdsOne || digits.digit(at);
            } else {
                appended[appendedCount++] = at - digits.size();
            }
        }
        const auto candidates = std::span(appended).first(appendedCount);
        const auto isSet = [&needed](std::size_t at) {
            return (needed[at / cipher::kCodeLength] & digitMask(at % cipher::kCodeLength)) != 0;
        };
        if (holdsOne || std::any_of(candidates.begin(), candidates.end(), isSet)) {
            continue;
        }
        // Where the column has a choice, a digit that a space sets anyway.
        const auto spaceDigit =
            std::find_if(candidates.begin(), candidates.end(), [spaceCode](std::size_t at) {
                return (spaceCode & digitMask(at % cipher::kCodeLength)) != 0;
            });
        const std::size_t chosen = spaceDigit != candidates.end() ? *spaceDigit : candidates.back();
        needed[chosen / cipher::kCodeLength] |= digitMask(chosen % cipher::kCodeLength);
    }

    Padding padding;
    for (std::uint8_t mask : needed) {
        padding.characters += paddingCharacterWith(cipher, mask);
    }
    return padding;
}

// Appending spaces lengthens every row of the scatter matrix, so each try
// moves every digit to another group; the first count that leaves no group
// all zeros wins. Each try extends the digits of the last one.
std::optional<std::size_t> spacesToEncrypt(const cipher::TextCipher& cipher,
                                           std::u32string_view text) {
    if (text.size() >= cipher::kMaxTextLength) {
        return std::nullopt;
    }
    std::string bits = cipher.encodeText(text);
    std::string padding;
    cipher.addencrypt(kPaddingCharacter, padding);
    for (std::size_t spaces = 1; text.size() + spaces <= cipher::kMaxTextLength; ++spaces) {
        bits += padding;
        const cipher::GroupValues values = cipher::scatteredGroupValues(bits);
        if (std::find(values.begin(), values.end(), 0) == values.end()) {
            return spaces;
        }
    }
    return std::nullopt;
}

}  // namespace notes
