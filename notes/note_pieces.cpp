// SPDX-License-Identifier: MIT
#include "notes/note_pieces.h"

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

// The cipher texts of text: runs of lines that are not blank, each with its
// line breaks taken out.
std::vector<std::u32string> cipherTextsIn(std::u32string_view text, std::size_t& wrappedLines) {
    std::vector<std::u32string> cipherTexts;
    bool inCipherText = false;
    for (std::size_t at = 0; at <= text.size();) {
        std::size_t end = text.find(kLineBreak, at);
        if (end == std::u32string_view::npos) {
            end = text.size();
        }
        const std::u32string_view line = text.substr(at, end - at);
        if (isBlank(line)) {
            inCipherText = false;
        } else if (inCipherText) {
            cipherTexts.back() += line;
            ++wrappedLines;
        } else {
            cipherTexts.emplace_back(line);
            inCipherText = true;
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
    const std::vector<std::u32string> cipherTexts = cipherTextsIn(text, wrappedLines);
    if (cipherTexts.size() < 2) {
        return std::nullopt;
    }
    std::vector<DecryptedNote> pieces;
    pieces.reserve(cipherTexts.size());
    for (const std::u32string& cipherText : cipherTexts) {
        if (cipherText.size() > cipher::kMaxTextLength) {
            return std::nullopt;
        }
        pieces.push_back(decryptPiece(cipher, cipherText));
        if (!decryptsWhole(pieces.back())) {
            return std::nullopt;
        }
    }
    Assembly assembly(cipher);
    for (DecryptedNote& piece : pieces) {
        assembly.add(std::move(piece));
    }
    DecryptedPieces result = assembly.finish();
    result.cipherTexts = cipherTexts.size();
    result.wrappedLines = wrappedLines;
    return result;
}

}  // namespace notes
