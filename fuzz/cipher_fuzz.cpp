// SPDX-License-Identifier: MIT
// Feeds arbitrary code points to every whole-text operation and checks what
// must hold for any input: lengths are kept, results use only the alphabet
// (or the two digits), texts over the alphabet come back exactly, every note
// comes back exactly through its codes and the offer's line (what no code
// stands for as the replacement mark), the only failures are the cipher's
// own, and every text can be judged.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "cipher/text_cipher.h"
#include "cipher/zero_groups.h"
#include "notes/decrypted_note.h"
#include "notes/note_encryption.h"
#include "notes/note_pieces.h"
#include "notes/outlook.h"
#include "notes/outside_characters.h"
#include "notes/padding.h"
#include "notes/recovered_text.h"
#include "notes/text_judgement.h"
#include "notes/text_length.h"

namespace {

const cipher::TextCipher kCipher;

// Most bytes pick an alphabet character, so texts often transform; a byte
// from 0xF0 up takes the next three bytes as any 32-bit value instead.
std::u32string textFrom(const std::uint8_t* data, std::size_t size) {
    std::u32string text;
    for (std::size_t at = 0; at < size; ++at) {
        if (data[at] < 0xF0 || at + 3 >= size) {
            text += kCipher.alphabetCharacter(data[at] % cipher::kAlphabetSize + 1);
        } else {
            const auto high = static_cast<char32_t>(data[at] - 0xF0);
            text += high << 24 | char32_t{data[at + 1]} << 16 | char32_t{data[at + 2]} << 8 |
                    data[at + 3];
            at += 3;
        }
    }
    return text;
}

void require(bool holds) {
    if (!holds) {
        std::abort();
    }
}

bool overAlphabet(const std::u32string& text) {
    for (char32_t character : text) {
        if (kCipher.alphabetPosition(character) == 0) {
            return false;
        }
    }
    return true;
}

bool onlyDigits(const std::string& bits) {
    return bits.find_first_not_of("01") == std::string::npos;
}

void checkEncrypt(const std::u32string& text) {
    try {
        const std::u32string encrypted = kCipher.encryptText(text);
        require(encrypted.size() == text.size() && overAlphabet(encrypted));
        if (overAlphabet(text)) {
            require(kCipher.decryptText(encrypted) == text);
        }
    } catch (const cipher::CipherError&) {
    }
}

void checkDecrypt(const std::u32string& text) {
    try {
        const std::string bits = kCipher.decryptBits(text);
        require(bits.size() == text.size() * cipher::kCodeLength && onlyDigits(bits));
        const std::u32string decrypted = kCipher.decryptText(text);
        require(decrypted.size() == text.size() && overAlphabet(decrypted));
        if (overAlphabet(text)) {
            require(kCipher.encryptText(decrypted) == text);
        }
    } catch (const cipher::CipherError&) {
    }
}

// Any text of up to 4,012 characters has a padding; with it the text
// encrypts, and a text over the alphabet comes back with the padding.
void checkPadding(const std::u32string& text) {
    if (text.size() > cipher::kMaxTextLength || cipher::encrypts(kCipher, text)) {
        return;
    }
    const auto padding = notes::paddingToEncrypt(kCipher, text);
    require(padding.has_value() || text.size() > 4012);
    if (!padding) {
        return;
    }
    const std::u32string padded = text + padding->characters;
    require(padded.size() <= cipher::kMaxTextLength && overAlphabet(padding->characters));
    const std::u32string encrypted = kCipher.encryptText(padded);
    if (overAlphabet(text)) {
        const auto recovered = notes::decryptRestoringLineBreaks(kCipher, encrypted);
        require(recovered.text == padded && recovered.complete() && recovered.lineBreaks == 0);
    }
}

// The note with U+0000, surrogates and values past U+10FFFF, which no code
// stands for, as the replacement mark they travel as.
std::u32string withMarks(std::u32string note) {
    for (char32_t& character : note) {
        const bool noCharacter =
            character == 0 || (character >= 0xD800 && character <= 0xDFFF) || character > 0x10FFFF;
        character = noCharacter ? 0xFFFD : character;
    }
    return note;
}

// Whatever a note holds, what Encrypt Text writes for it decrypts to the
// note exactly, but for what no code stands for; any text decrypts to
// something.
void checkNote(const std::u32string& note) {
    const notes::NoteEncryption encryption = notes::encryptNote(kCipher, note);
    if (encryption.plan.pieces.size() == 1) {
        require(overAlphabet(encryption.cipherText) &&
                encryption.cipherText.size() <= cipher::kMaxTextLength);
        const notes::DecryptedNote decrypted = notes::decryptNote(kCipher, encryption.cipherText);
        require(decrypted.text == withMarks(note) && decrypted.complete() &&
                decrypted.lineBreaksCertain && decrypted.offeredLine.empty());
        require(decrypted.ending.empty() == encryption.plan.asItStands());
    } else {
        const auto pieces = notes::decryptPieces(kCipher, encryption.cipherText);
        require(pieces && !pieces->gap && pieces->text == withMarks(note));
    }
    if (note.size() <= cipher::kMaxTextLength) {
        const notes::DecryptedNote decrypted = notes::decryptNote(kCipher, note);
        require(decrypted.withOfferedLine().size() >= decrypted.text.size());
    }
}

// Any text is judged, counts its characters as the cipher counts them as
// typed, and weighs them to a finite evidence whose sign is the verdict.
void checkJudgement(const std::u32string& text) {
    const notes::TextJudgement judgement = notes::judgeText(text);
    require(judgement.characters == notes::measureText(text).asTyped());
    require(std::isfinite(judgement.evidence));
    using enum notes::TextJudgement::Verdict;
    require((judgement.verdict == TooShort) == (judgement.characters < notes::kShortestJudgedText));
    require(judgement.verdict == TooShort ||
            (judgement.verdict == ReadsLikeText) == (judgement.evidence > 0));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::u32string text = textFrom(data, size);
    checkEncrypt(text);
    checkDecrypt(text);
    checkPadding(text);
    checkNote(text);
    checkJudgement(text);
    return 0;
}
