// SPDX-License-Identifier: MIT
#include "notes/encryption_plan.h"

#include <algorithm>
#include <future>
#include <optional>

#include "cipher/alphabet_values.h"
#include "cipher/limits.h"
#include "cipher/text_cipher.h"
#include "cipher/zero_groups.h"
#include "notes/note_ending.h"
#include "notes/offered_line.h"
#include "notes/packed_digits.h"
#include "notes/position_rules.h"

namespace notes {

namespace {

using cipher::GroupValues;
using cipher::kMaxTextLength;

// How many lengths a piece tries below its target before the target halves.
constexpr std::size_t kTriesPerTarget = 400;
// The shortest target: below it a piece takes padding rather than search on.
constexpr std::size_t kShortestTarget = 48;
// A last piece takes this much padding at most before it is split instead.
constexpr std::size_t kMostLastPadding = 3;
// Room kept for an ending's tag and padding below the cipher's limit.
constexpr std::size_t kEndingRoom = 24;

class Planner {
  public:
    Planner(const cipher::TextCipher& textCipher, std::u32string_view codedNote)
        : cipher(textCipher),
          coded(codedNote),
          positions(cipher::alphabetPositions(textCipher, codedNote)),
          digits(positions) {}

    // The ending that lets coded[begin, begin + length) encrypt, padded only
    // when padding is allowed; none when there is none within the limit.
    std::optional<std::u32string> endingFor(std::size_t begin, std::size_t length,
                                            std::size_t piece, bool continues,
                                            std::size_t mostPadding) const {
        std::u32string ending = endingText(piece, continues, U"");
        if (length + ending.size() > kMaxTextLength) {
            return std::nullopt;
        }
        if (encryptsWith(begin, length, ending)) {
            return ending;
        }
        if (mostPadding == 0) {
            return std::nullopt;
        }
        GroupValues values(positions.begin() + static_cast<std::ptrdiff_t>(begin),
                           positions.begin() + static_cast<std::ptrdiff_t>(begin + length));
        for (char32_t character : ending) {
            values.push_back(static_cast<std::uint8_t>(cipher.alphabetPosition(character)));
        }
        std::optional<Padding> padding = detail::paddingFor(cipher, values, mostPadding);
        if (!padding || padding->characters.size() > mostPadding) {
            return std::nullopt;
        }
        // Padding never holds the mark, which would end the ending early; ü
        // has every digit set, and more ones never bring a zero group back.
        std::replace(padding->characters.begin(), padding->characters.end(), kEndingMark,
                     cipher.alphabetCharacter(cipher::kAlphabetSize));
        return ending + padding->characters;
    }

    // Whether coded[begin, begin + length) followed by ending encrypts: no
    // column of the 7 rows its digits make is all zeros. The rows are read
    // 64 digits at a time from the packed digits of the whole note; only
    // the few words that reach into the ending are put together digit by
    // digit.
    bool encryptsWith(std::size_t begin, std::size_t length, std::u32string_view ending) const {
        const std::size_t rowLength = length + ending.size();
        const std::size_t first = begin * cipher::kCodeLength;
        const std::size_t noteDigits = length * cipher::kCodeLength;
        const auto digitAt = [&](std::size_t at) -> std::uint64_t {
            if (at < noteDigits) {
                return digits.digit(first + at) ? 1 : 0;
            }
            const std::size_t inEnding = at - noteDigits;
            const int position = cipher.alphabetPosition(ending[inEnding / cipher::kCodeLength]);
            return static_cast<std::uint64_t>(
                position >> (cipher::kCodeLength - 1 - inEnding % cipher::kCodeLength) & 1);
        };
        for (std::size_t column = 0; column < rowLength; column += 64) {
            const std::size_t width = std::min<std::size_t>(64, rowLength - column);
            std::uint64_t ones = 0;
            for (std::size_t row = 0; row < cipher::kCodeLength; ++row) {
                const std::size_t at = row * rowLength + column;
                if (at + 64 <= noteDigits) {
                    ones |= digits.wordAt(first + at);
                    continue;
                }
                for (std::size_t digit = 0; digit < width; ++digit) {
                    ones |= digitAt(at + digit) << digit;
                }
            }
            const std::uint64_t all =
                width == 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << width) - 1;
            if ((ones & all) != all) {
                return false;
            }
        }
        return true;
    }

    // A piece may not end between a carriage return and its line feed.
    bool mayEndAt(std::size_t end) const {
        return end >= coded.size() || coded[end - 1] != U'\r' || coded[end] != U'\n';
    }

    std::optional<EncryptionPlan> asOneText() const {
        const std::size_t length = coded.size();
        if (length > kMaxTextLength) {
            return std::nullopt;
        }
        if (cipher::encryptsPositions(positions) && !endingOf(coded) &&
            offeredLineAtEnd(cipher, coded) == 0) {
            return EncryptionPlan{{PlannedPiece{0, length, {}}}};
        }
        if (auto ending = endingFor(0, length, 0, false, kMostOneTextPadding)) {
            return EncryptionPlan{{PlannedPiece{0, length, std::move(*ending)}}};
        }
        return std::nullopt;
    }

    EncryptionPlan inPieces() const {
        EncryptionPlan plan;
        std::size_t begin = 0;
        std::size_t target = kMaxTextLength - kEndingRoom;
        while (begin < coded.size()) {
            const std::size_t piece = plan.pieces.size() + 1;
            const std::size_t rest = coded.size() - begin;
            // A short rest takes what padding it needs: splitting it costs more.
            const std::size_t mostPadding =
                rest <= kShortestTarget ? kMaxTextLength : kMostLastPadding;
            if (auto last = endingFor(begin, rest, piece, false, mostPadding)) {
                plan.pieces.push_back({begin, rest, std::move(*last)});
                break;
            }
            PlannedPiece next = nextPiece(begin, piece, target);
            // A little above what worked: a piece that worked far below its
            // target had walked down hundreds of lengths that each had a
            // zero group, and long lengths almost always have one.
            target = std::min(kMaxTextLength - kEndingRoom, next.length + next.length / 8 + 16);
            begin += next.length;
            plan.pieces.push_back(std::move(next));
        }
        return plan;
    }

  private:
    // A piece that continues: the longest length found near the target that
    // encrypts with its ending as it stands; failing that, a short one padded.
    PlannedPiece nextPiece(std::size_t begin, std::size_t piece, std::size_t target) const {
        const std::size_t rest = coded.size() - begin;
        const std::u32string tag = endingText(piece, true, U"");
        for (target = std::min(target, rest - 1);; target /= 2) {
            const std::size_t shortest = target > kTriesPerTarget ? target - kTriesPerTarget : 1;
            for (std::size_t length = target; length >= shortest && length > 0; --length) {
                if (!mayEndAt(begin + length)) {
                    continue;
                }
                if (encryptsWith(begin, length, tag)) {
                    return {begin, length, tag};
                }
            }
            if (target <= kShortestTarget) {
                break;
            }
        }
        std::size_t length = std::max<std::size_t>(1, std::min(target, rest - 1));
        if (!mayEndAt(begin + length)) {
            // One step either way leaves the line break whole.
            length = length > 1 ? length - 1 : length + 1;
        }
        std::optional<std::u32string> ending =
            endingFor(begin, length, piece, true, kMaxTextLength);
        return {begin, length, ending.value_or(endingText(piece, true, U""))};
    }

    const cipher::TextCipher& cipher;
    std::u32string_view coded;
    GroupValues positions;
    detail::PackedDigits digits;
};

}  // namespace

std::size_t EncryptionPlan::added() const {
    std::size_t added = 0;
    for (const PlannedPiece& piece : pieces) {
        added += piece.ending.size();
    }
    // An empty line between two pieces: two line breaks, one character each.
    return added + (pieces.empty() ? 0 : 2 * (pieces.size() - 1));
}

EncryptionPlan planEncryption(const cipher::TextCipher& cipher, std::u32string_view coded) {
    if (coded.empty()) {
        return EncryptionPlan{{PlannedPiece{}}};
    }
    const Planner planner(cipher, coded);
    std::optional<EncryptionPlan> oneText = planner.asOneText();
    // Two pieces cost at least two endings and an empty line.
    constexpr std::size_t kLeastForPieces = 2 * 4 + 2;
    if (oneText && oneText->added() <= kLeastForPieces) {
        return *oneText;
    }
    EncryptionPlan pieces = planner.inPieces();
    if (oneText && oneText->added() <= pieces.added()) {
        return *oneText;
    }
    return pieces;
}

std::u32string encryptPlanned(const cipher::TextCipher& cipher, std::u32string_view coded,
                              const EncryptionPlan& plan) {
    // Each piece's place in the result is known beforehand: the cipher
    // keeps a text's length.
    std::vector<std::size_t> places;
    places.reserve(plan.pieces.size());
    std::size_t length = 0;
    for (const PlannedPiece& piece : plan.pieces) {
        length += places.empty() ? 0 : kPieceSeparator.size();
        places.push_back(length);
        length += piece.length + piece.ending.size();
    }
    std::u32string written(length, U'\0');
    const auto encryptRange = [&](std::size_t from, std::size_t to) {
        std::u32string text;
        for (std::size_t index = from; index < to; ++index) {
            const PlannedPiece& piece = plan.pieces[index];
            text.assign(coded.substr(piece.begin, piece.length));
            text += piece.ending;
            const std::u32string encrypted = cipher.encryptText(text);
            char32_t* place = written.data() + places[index];
            encrypted.copy(place, encrypted.size());
            if (index + 1 < plan.pieces.size()) {
                kPieceSeparator.copy(place + encrypted.size(), kPieceSeparator.size());
            }
        }
    };
    // A million characters are some two thousand pieces: two cores write
    // half each.
    constexpr std::size_t kPiecesForTwoThreads = 64;
    if (plan.pieces.size() >= kPiecesForTwoThreads) {
        const std::size_t half = plan.pieces.size() / 2;
        auto firstHalf = std::async(std::launch::async, encryptRange, 0, half);
        encryptRange(half, plan.pieces.size());
        firstHalf.get();
    } else {
        encryptRange(0, plan.pieces.size());
    }
    return written;
}

}  // namespace notes
