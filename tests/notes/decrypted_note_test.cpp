// SPDX-License-Identifier: MIT
#include "notes/decrypted_note.h"

#include <gtest/gtest.h>

#include <random>

#include "cipher/text_cipher.h"
#include "cipher/zero_groups.h"
#include "notes/character_codes.h"
#include "notes/note_encryption.h"
#include "notes/note_pieces.h"
#include "notes/offered_line.h"
#include "notes/outlook.h"
#include "sample_texts.h"

namespace {

const cipher::TextCipher kCipher;

std::u32string encrypted(const std::u32string& note) {
    return notes::encryptNote(kCipher, note).cipherText;
}

// What Decrypt Text gives for one cipher text or several.
std::u32string decrypted(const std::u32string& cipherText) {
    if (const auto pieces = notes::decryptPieces(kCipher, cipherText)) {
        EXPECT_FALSE(pieces->gap);
        return pieces->text;
    }
    return notes::decryptNote(kCipher, cipherText).text;
}

// A random note over the whole of Unicode: alphabet characters mostly, and
// tabs, emoji, CJK, combining marks, letters the alphabet lacks, literal
// codes and line breaks.
std::u32string anyNote(std::size_t length, std::mt19937& random) {
    static const std::u32string_view kExtras[] = {
        U"\t",     U"\U0001F600", U"\u4E2D\u6587", U"e\u0301",    U"ß", U"Ä",       U"œ",
        U"ã",      U"\r\n",       U"\r\n\r\n",     U"&amp;",      U"&", U"&szlig;", U"\u2019",
        U"\u00A0", U"\r",         U"\n",           U"\U0010FFFF", U"É", U"\u0416",  U"&#9;"};
    std::uniform_int_distribution<int> chance(0, 5);
    std::uniform_int_distribution<std::size_t> extra(0, std::size(kExtras) - 1);
    std::u32string note;
    while (note.size() < length) {
        if (chance(random) == 0) {
            note += kExtras[extra(random)];
        } else {
            note += samples::alphabetText(kCipher, 1, random);
        }
    }
    return note;
}

TEST(DecryptedNote, EveryNoteComesBackExactlyThroughCodeEncryptAndDecrypt) {
    std::mt19937 random(83);
    std::uniform_int_distribution<std::size_t> length(1, 6000);
    for (int round = 0; round < 400; ++round) {
        const std::u32string note = anyNote(length(random), random);
        const notes::NoteEncryption encryption = notes::encryptNote(kCipher, note);
        if (encryption.plan.pieces.size() > 1) {
            ASSERT_EQ(decrypted(encryption.cipherText), note);
            continue;
        }
        const notes::DecryptedNote decrypted = notes::decryptNote(kCipher, encryption.cipherText);
        ASSERT_EQ(decrypted.text, note);
        ASSERT_TRUE(decrypted.complete());
        ASSERT_TRUE(decrypted.lineBreaksCertain);
        ASSERT_EQ(decrypted.lineBreaks, notes::countLineBreaks(note));
        ASSERT_EQ(decrypted.codes, notes::codedCharacters(kCipher, note).count);
        ASSERT_EQ(decrypted.ending.empty(), encryption.plan.asItStands());
        ASSERT_TRUE(decrypted.offeredLine.empty());
    }
}

TEST(DecryptedNote, TextsOverTheAlphabetKeepTheirCipherTexts) {
    const std::pair<std::u32string_view, std::u32string_view> known[] = {
        {U"Hello", U"ZST=q"}, {U"Text\r\n", U"Tb9vîf"}, {U"abc", U":J¿"}, {U"AA", U"HA"}};
    for (const auto& [note, cipherText] : known) {
        EXPECT_EQ(notes::encryptWithOfferedLine(kCipher, note), cipherText);
        const auto decrypted = notes::decryptNote(kCipher, cipherText);
        EXPECT_EQ(decrypted.text, note);
        EXPECT_EQ(decrypted.codes, 0u);
        EXPECT_TRUE(decrypted.offeredLine.empty());
    }
}

TEST(DecryptedNote, EncryptingTwiceThenDecryptingTwiceGivesTheNoteBack) {
    std::mt19937 random(89);
    for (int round = 0; round < 40; ++round) {
        const std::u32string note = anyNote(200 + 40 * static_cast<std::size_t>(round), random);
        const std::u32string once = encrypted(note);
        const std::u32string twice = encrypted(once);
        const std::u32string first = decrypted(twice);
        ASSERT_EQ(first, once);
        ASSERT_EQ(decrypted(first), note);
    }
}

TEST(DecryptedNote, TakesOffAnEarlierVersionsOfferedLineAndKeepsItForUndo) {
    const std::u32string note = U"Straße\r\nAAAAAAA";
    const auto line = notes::offeredLine(kCipher, notes::withCodes(kCipher, note));
    ASSERT_TRUE(line);
    const auto decrypted =
        notes::decryptNote(kCipher, notes::encryptWithOfferedLine(kCipher, note, &*line));
    EXPECT_EQ(decrypted.text, note);
    EXPECT_EQ(decrypted.offeredLine, notes::additionOf(*line));
    EXPECT_EQ(decrypted.withOfferedLine(), note + decrypted.offeredLine);
    EXPECT_EQ(decrypted.lineBreaks, 1u);
    EXPECT_EQ(decrypted.codes, 1u);
    EXPECT_TRUE(decrypted.metZeroGroups);
}

// Cipher texts of an earlier version, made without codes: a character outside
// the alphabet is a zero group, and two side by side read as a line break.
TEST(DecryptedNote, SaysWhenLineBreaksMayStandForLostCharacters) {
    const struct {
        std::u32string text;
        std::size_t lineBreaks;
        std::size_t marks;
        bool certain;
    } cases[] = {
        {U"line\r\nnext line", 1, 0, true},
        {U"tab\t\ttab", 1, 0, true},  // nothing shows that these were not a line break
        {U"tab\t\t\tand line\r\nbreak", 2, 1, false},
        {U"É at the start", 0, 1, true},
    };
    for (const auto& example : cases) {
        const std::u32string old = samples::encryptableWithoutCodes(kCipher, example.text);
        const auto decrypted = notes::decryptNote(kCipher, kCipher.encryptText(old));
        EXPECT_EQ(decrypted.lineBreaks, example.lineBreaks);
        EXPECT_EQ(decrypted.marks, example.marks);
        EXPECT_EQ(decrypted.lineBreaksCertain, example.certain);
        EXPECT_EQ(decrypted.codes, 0u);
    }
}

TEST(DecryptedNote, RefusesTooLongAndReadsTheEmptyText) {
    EXPECT_TRUE(notes::decryptNote(kCipher, U"").text.empty());
    EXPECT_FALSE(notes::decryptNote(kCipher, U"").metZeroGroups);
    EXPECT_THROW((void)notes::decryptNote(kCipher, std::u32string(4682, U'a')),
                 cipher::TextTooLongError);
}

}  // namespace
