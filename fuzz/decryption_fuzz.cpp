// SPDX-License-Identifier: MIT
// Feeds arbitrary alphabet text, with spaces, tabs and line breaks such as a
// cipher text picks up on the way, to what Decrypt Text does: the pieces of
// several cipher texts first, else the outlook of one. Checks that whatever
// it would write holds only characters, and that every verdict comes with
// what the window needs for it, and that codes are read into characters only.
#include <cstddef>
#include <cstdint>
#include <string>

#include "cipher/limits.h"
#include "cipher/text_cipher.h"
#include "fuzz_checks.h"
#include "notes/character_codes.h"
#include "notes/decryption_outlook.h"
#include "notes/note_pieces.h"
#include "notes/text_judgement.h"

namespace {

const cipher::TextCipher kCipher;
using Verdict = notes::DecryptionOutlook::Verdict;
using fuzz::onlyCharacters;
using fuzz::require;

// Bytes from 0xF8 up are white space a cipher text picks up; a byte that is
// an alphabet character as Latin-1 is that character, so that the fuzzer
// spells codes such as "&#0;" as it compares; any other byte picks one.
std::u32string textFrom(const std::uint8_t* data, std::size_t size) {
    static constexpr std::u32string_view kPickedUp[] = {U" ",  U"  ", U"\t",    U"\r\n",
                                                        U"\n", U"\r", U" \r\n", U"\r\n\r\n"};
    std::u32string text;
    for (std::size_t at = 0; at < size; ++at) {
        const char32_t byte = data[at];
        if (byte >= 0xF8) {
            text += kPickedUp[byte - 0xF8];
        } else if (kCipher.alphabetPosition(byte) != 0) {
            text += byte;
        } else {
            text += kCipher.alphabetCharacter(static_cast<int>(byte % cipher::kAlphabetSize) + 1);
        }
    }
    return text;
}

void checkOutlook(std::u32string_view text) {
    const notes::DecryptionOutlook outlook = notes::decryptionOutlookOf(kCipher, text);
    require((outlook.verdict == Verdict::TooLong) == !outlook.length.fits());
    if (outlook.verdict == Verdict::TooLong) {
        return;
    }
    require(onlyCharacters(outlook.decrypted.text) &&
            onlyCharacters(outlook.decrypted.withOfferedLine()));
    require(outlook.readsLikeText ==
            !notes::judgeText(outlook.decrypted.text).doesNotReadLikeText());
    if (outlook.withoutPickedUp) {
        require(onlyCharacters(outlook.withoutPickedUp->text));
        require(outlook.withoutPickedUp->complete() && outlook.pickedUp.any());
    }
    require((outlook.verdict == Verdict::CutShort) == outlook.cutShort.has_value());
    switch (outlook.verdict) {
        case Verdict::Decrypts:
            require(outlook.decrypted.complete() && outlook.readsLikeText &&
                    outlook.strays.withLineBreaks() == 0);
            break;
        case Verdict::PickedUp:
            require(outlook.withoutPickedUp.has_value());
            break;
        case Verdict::NotACipherText:
            require(!outlook.readsLikeText && notes::judgeText(text).readsLikeText());
            break;
        case Verdict::CutShort:
            require(outlook.cutShort->countKnown() == (outlook.cutShort->missing != 0) &&
                    outlook.cutShort->missing <= notes::kMostMissing);
            break;
        default:
            break;
    }
}

// Codes are read into characters only: a code for NUL, a surrogate or a
// value past U+10FFFF stays as written.
void checkCodes(std::u32string_view text) {
    require(onlyCharacters(notes::readCodesBack(text).text));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::u32string text = textFrom(data, size);
    if (const auto pieces = notes::decryptPieces(kCipher, text)) {
        require(onlyCharacters(pieces->text));
    }
    checkCodes(text);
    checkOutlook(text);
    return 0;
}
