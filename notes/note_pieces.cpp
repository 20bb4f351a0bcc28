// SPDX-License-Identifier: MIT
#include "notes/note_pieces.h"

#include <cstdint>
#include <future>
#include <optional>
#include <vector>

#include "cipher/limits.h"
#include "notes/decrypted_note.h"
#include "notes/encryption_plan.h"
#include "notes/recovered_text.h"
#include "notes/text_judgement.h"

namespace notes {

namespace {

bool isBlank(std::u32string_view line) {
    return line.find_first_not_of(U" \t") == std::u32string_view::npos;
}

// A cipher text: its lines, as they stood between two empty lines.
using CipherText = std::vector<std::u32string_view>;

// How a cipher text's lines are joined: as they stood, with one space or
// tab fewer at the end of each line (a cipher text may end a line with a
// space of its own), or without any, as mail programs leave them there.
enum class LineEnds : std::uint8_t { AsTheyStood, OneBlankFewer, NoBlanks };

struct Joined {
    std::u32string text;
    std::size_t blanksTakenOut = 0;
};

// Its length without the blanks at the ends of its lines: more than a
// cipher text holds, and it is not one, however it is read.
std::size_t shortestLength(const CipherText& lines) {
    std::size_t length = 0;
    for (const std::u32string_view line : lines) {
        length += line.find_last_not_of(U" \t") + 1;
    }
    return length;
}

Joined joined(const CipherText& lines, LineEnds ends) {
    Joined result;
    for (const std::u32string_view line : lines) {
        std::size_t kept = line.size();
        if (ends == LineEnds::OneBlankFewer && (line.back() == U' ' || line.back() == U'\t')) {
            kept = line.size() - 1;
        } else if (ends == LineEnds::NoBlanks) {
            kept = line.find_last_not_of(U" \t") + 1;
        }
        result.text += line.substr(0, kept);
        result.blanksTakenOut += line.size() - kept;
    }
    return result;
}

// The cipher texts of text: runs of lines that are not blank.
std::vector<CipherText> cipherTextsIn(std::u32string_view text, std::size_t& wrappedLines) {
    std::vector<CipherText> cipherTexts;
    bool inCipherText = false;
    for (std::size_t at = 0; at <= text.size();) {
        std::size_t end = text.find(kLineBreak, at);
        if (end == std::u32string_view::npos) {
            end = text.size();
        }
        const std::u32string_view line = text.substr(at, end - at);
        if (isBlank(line)) {
            inCipherText = false;
        } else {
            if (inCipherText) {
                ++wrappedLines;
            } else {
                cipherTexts.emplace_back();
                inCipherText = true;
            }
            cipherTexts.back().push_back(line);
        }
        at = end + kLineBreak.size();
    }
    return cipherTexts;
}

// A piece, or a whole note that reads like text.
bool decryptsWhole(const DecryptedNote& piece) {
    if (!piece.complete()) {
        return false;
    }
    return !piece.ending.empty() || !piece.offeredLine.empty() ||
           !judgeText(piece.text).doesNotReadLikeText();
}

// The piece or note a cipher text decrypts into whole, if it does.
std::optional<DecryptedNote> decryptedWhole(const cipher::TextCipher& cipher,
                                            std::u32string_view cipherText) {
    if (cipherText.size() > cipher::kMaxTextLength) {
        return std::nullopt;
    }
    DecryptedNote piece = decryptPiece(cipher, cipherText);
    if (!decryptsWhole(piece)) {
        return std::nullopt;
    }
    return piece;
}

// A cipher text read as it stood or, where it does not decrypt whole so,
// without the blanks at the ends of its lines.
struct ReadPiece {
    std::optional<DecryptedNote> note;
    std::size_t blanksTakenOut = 0;
};

ReadPiece readPiece(const cipher::TextCipher& cipher, const CipherText& cipherText) {
    if (shortestLength(cipherText) > cipher::kMaxTextLength) {
        return {};
    }
    for (const LineEnds ends :
         {LineEnds::AsTheyStood, LineEnds::OneBlankFewer, LineEnds::NoBlanks}) {
        const Joined reading = joined(cipherText, ends);
        if (ends != LineEnds::AsTheyStood && reading.blanksTakenOut == 0) {
            break;
        }
        if (auto piece = decryptedWhole(cipher, reading.text)) {
            return {std::move(piece), reading.blanksTakenOut};
        }
    }
    return {};
}

constexpr std::size_t kPiecesForTwoThreads = 64;

// Puts the pieces together note by note.
class Assembly {
  public:
    explicit Assembly(const cipher::TextCipher& textCipher) : cipher(textCipher) {}

    void add(DecryptedNote piece) {
        if (result.gap) {
            return;
        }
        const std::size_t expected = current ? current->piece + 1 : 0;
        const bool starts = piece.piece == 0 || piece.piece == 1;
        if (piece.piece != expected && !(expected == 0 && starts)) {
            result.gap = DecryptedPieces::Gap{expected, piece.piece};
            return;
        }
        if (!current) {
            current = std::move(piece);
        } else {
            current->text += piece.text;
            current->piece = piece.piece;
            current->continues = piece.continues;
            current->marks += piece.marks;
            current->lineBreaks += piece.lineBreaks;
        }
        if (current && !current->continues) {
            DecryptedNote finished = std::move(*current);
            current.reset();
            finishNote(std::move(finished));
        }
    }

    DecryptedPieces finish() {
        if (current && !result.gap) {
            result.gap = DecryptedPieces::Gap{current->piece + 1, 0};
        }
        return std::move(result);
    }

  private:
    void finishNote(DecryptedNote note) {
        readCodesOf(cipher, note);
        if (result.notes != 0) {
            result.text += kPieceSeparator;
        }
        result.text += note.text;
        ++result.notes;
    }

    const cipher::TextCipher& cipher;
    std::optional<DecryptedNote> current;
    DecryptedPieces result;
};

}  // namespace

std::optional<DecryptedPieces> decryptPieces(const cipher::TextCipher& cipher,
                                             std::u32string_view text) {
    std::size_t wrappedLines = 0;
    const std::vector<CipherText> cipherTexts = cipherTextsIn(text, wrappedLines);
    if (cipherTexts.size() < 2) {
        return std::nullopt;
    }
    std::vector<ReadPiece> read(cipherTexts.size());
    const auto readRange = [&cipher, &cipherTexts, &read](std::size_t from, std::size_t to) {
        for (std::size_t index = from; index < to; ++index) {
            read[index] = readPiece(cipher, cipherTexts[index]);
        }
    };
    // A million characters are some two thousand pieces: two cores read
    // half each.
    if (cipherTexts.size() >= kPiecesForTwoThreads) {
        const std::size_t half = cipherTexts.size() / 2;
        auto firstHalf = std::async(std::launch::async, readRange, 0, half);
        readRange(half, cipherTexts.size());
        firstHalf.get();
    } else {
        readRange(0, cipherTexts.size());
    }
    std::vector<DecryptedNote> pieces;
    pieces.reserve(cipherTexts.size());
    std::size_t blanksAtLineEnds = 0;
    std::size_t unreadable = 0;
    bool numbered = false;
    for (ReadPiece& piece : read) {
        if (!piece.note) {
            unreadable = unreadable != 0 ? unreadable : pieces.size() + 1;
            pieces.emplace_back();
            continue;
        }
        blanksAtLineEnds += piece.blanksTakenOut;
        numbered = numbered || piece.note->piece != 0;
        pieces.push_back(std::move(*piece.note));
    }
    if (unreadable != 0) {
        if (!numbered) {
            return std::nullopt;
        }
        DecryptedPieces damaged;
        damaged.cipherTexts = cipherTexts.size();
        damaged.unreadable = unreadable;
        return damaged;
    }
    Assembly assembly(cipher);
    for (DecryptedNote& piece : pieces) {
        assembly.add(std::move(piece));
    }
    DecryptedPieces result = assembly.finish();
    result.cipherTexts = cipherTexts.size();
    result.wrappedLines = wrappedLines;
    result.blanksAtLineEnds = blanksAtLineEnds;
    return result;
}

}  // namespace notes
