// SPDX-License-Identifier: MIT
#include "notes/already_encrypted.h"

#include <gtest/gtest.h>

#include <string>

#include "cipher/text_cipher.h"
#include "judgement_samples.h"
#include "notes/note_encryption.h"
#include "real_notes.h"

namespace {

const cipher::TextCipher kCipher;

std::u32string written(std::u32string_view note) {
    return notes::encryptNote(kCipher, note).cipherText;
}

TEST(AlreadyEncrypted, NoNoteLooksLikeACipherText) {
    for (const samples::RealNote& note : samples::realNotes()) {
        EXPECT_FALSE(notes::looksAlreadyEncrypted(kCipher, note.text))
            << std::string(note.text.begin(), note.text.end());
    }
    for (const std::u32string& note : samples::technicalNotes()) {
        EXPECT_FALSE(notes::looksAlreadyEncrypted(kCipher, note))
            << std::string(note.begin(), note.end());
    }
}

// All but a few: a cipher text of a note that only just reads like text
// may not decrypt into clearly more of it than the cipher text is.
TEST(AlreadyEncrypted, MostCipherTextsLookLikeOne) {
    std::size_t looking = 0;
    for (const samples::RealNote& note : samples::realNotes()) {
        looking += notes::looksAlreadyEncrypted(kCipher, written(note.text)) ? 1 : 0;
    }
    EXPECT_GE(looking * 100, samples::realNotes().size() * 99);
    looking = 0;
    for (const std::u32string& note : samples::technicalNotes()) {
        looking += notes::looksAlreadyEncrypted(kCipher, written(note)) ? 1 : 0;
    }
    EXPECT_GE(looking * 100, samples::technicalNotes().size() * 90);
}

// Pieces, one alone, several cipher texts; not a text too short to judge.
TEST(AlreadyEncrypted, PiecesLookLikeOneShortTextsDoNot) {
    std::u32string note;
    while (note.size() < 10'000) {
        note += U"Thanks for the tea and the cake, and for the walk by the river. ";
    }
    const std::u32string pieces = written(note);
    EXPECT_TRUE(notes::looksAlreadyEncrypted(kCipher, pieces));
    const auto read = notes::alreadyEncryptedPieces(kCipher, pieces);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->text, note);
    EXPECT_FALSE(notes::alreadyEncryptedPieces(kCipher, note).has_value());
    EXPECT_TRUE(notes::looksAlreadyEncrypted(kCipher, pieces.substr(0, pieces.find(U'\r'))));
    EXPECT_TRUE(notes::looksAlreadyEncrypted(
        kCipher, written(U"Dear Ann, see you at ten.") + U"\r\n\r\n" + written(U"Bring the map.")));
    EXPECT_FALSE(notes::looksAlreadyEncrypted(kCipher, written(U"Hello")));
}

}  // namespace
