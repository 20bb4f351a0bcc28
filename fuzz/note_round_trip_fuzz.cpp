// SPDX-License-Identifier: MIT
// Encrypts arbitrary Unicode text as Encrypt Text does and decrypts the
// cipher text as Decrypt Text does: the note comes back exactly, whatever it
// holds, but for U+0000, which no code stands for and which comes back as
// the replacement mark; no NUL or invalid code point ever comes out.
#include <cstddef>
#include <cstdint>
#include <string>

#include "cipher/text_cipher.h"
#include "fuzz_checks.h"
#include "notes/decryption_outlook.h"
#include "notes/note_encryption.h"
#include "notes/note_pieces.h"

namespace {

const cipher::TextCipher kCipher;
using fuzz::onlyCharacters;
using fuzz::require;

// The bytes read as UTF-8; a byte that begins no valid sequence is taken as
// the Latin-1 character of its value, so every input is a text.
std::u32string noteFrom(const std::uint8_t* data, std::size_t size) {
    std::u32string note;
    for (std::size_t at = 0; at < size;) {
        const std::uint8_t lead = data[at];
        const std::size_t length = lead < 0xC2 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t value = length == 1 ? lead : lead & (0x7F >> length);
        bool valid = lead < 0x80 || (lead >= 0xC2 && lead <= 0xF4);
        for (std::size_t more = 1; valid && more < length; ++more) {
            valid = at + more < size && (data[at + more] & 0xC0) == 0x80;
            value = value << 6 | (valid ? data[at + more] & 0x3Fu : 0);
        }
        static constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
        valid = valid && value >= kLeast[length] && (fuzz::isCharacter(value) || value == 0);
        note += valid ? value : lead;
        at += valid ? length : 1;
    }
    return note;
}

// What Decrypt Text writes for the cipher text, at once or at the user's word.
std::u32string decrypted(const std::u32string& cipherText) {
    if (const auto pieces = notes::decryptPieces(kCipher, cipherText)) {
        require(!pieces->gap);
        return pieces->text;
    }
    const notes::DecryptionOutlook outlook = notes::decryptionOutlookOf(kCipher, cipherText);
    require(outlook.verdict != notes::DecryptionOutlook::Verdict::TooLong &&
            outlook.decrypted.complete());
    return outlook.decrypted.text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::u32string note = noteFrom(data, size);
    const notes::NoteEncryption encryption = notes::encryptNote(kCipher, note);
    const std::u32string back = decrypted(encryption.cipherText);
    require(onlyCharacters(back));
    for (char32_t& character : note) {
        character = character == 0 ? 0xFFFD : character;
    }
    require(back == note);
    return 0;
}
