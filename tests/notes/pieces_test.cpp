// SPDX-License-Identifier: MIT
// What Encrypt Text adds so that every note encrypts at once, and the pieces
// of long notes: exact by construction, and readable by anyone who decrypts
// with another program.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "cipher/limits.h"
#include "cipher/text_cipher.h"
#include "literal_transcription.h"
#include "long_notes.h"
#include "notes/character_codes.h"
#include "notes/decrypted_note.h"
#include "notes/note_encryption.h"
#include "notes/note_ending.h"
#include "notes/note_pieces.h"
#include "notes/recovered_text.h"
#include "real_notes.h"

namespace {

const cipher::TextCipher kCipher;

std::u32string decrypted(std::u32string_view cipherText) {
    if (const auto pieces = notes::decryptPieces(kCipher, cipherText)) {
        EXPECT_FALSE(pieces->gap);
        return pieces->text;
    }
    return notes::decryptNote(kCipher, cipherText).text;
}

using samples::joined;
using samples::longLetter;
using samples::oneLine;
using samples::piecesOf;

TEST(NoteEnding, ReadsOnlyWhatEncryptTextWrites) {
    const struct {
        std::u32string_view text;
        std::size_t length;  // 0: no ending
        std::size_t piece;
        bool continues;
    } cases[] = {
        {U"abc~~", 2, 0, false},
        {U"abc~~ .", 4, 0, false},
        {U"~~", 2, 0, false},
        {U"abc~3+~x", 5, 3, true},
        {U"abc~12=~", 5, 12, false},
        {U"a~~b~7+~ ü.", 7, 7, true},
        {U"abc~03+~", 0, 0, false},
        {U"abc~3~", 0, 0, false},
        {U"abc~+~", 0, 0, false},
        {U"abc~3+", 0, 0, false},
        {U"abc~~\r\n", 0, 0, false},
        {U"abc~~12345678", 10, 0, false},
        {U"abc~~123456789", 0, 0, false},
        {U"abc~4+~123456789", 13, 4, true},
        {U"~", 0, 0, false},
        {U"abc", 0, 0, false},
    };
    for (const auto& example : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&example - cases));
        const auto ending = notes::endingOf(example.text);
        ASSERT_EQ(ending.has_value(), example.length != 0);
        if (ending) {
            EXPECT_EQ(ending->length, example.length);
            EXPECT_EQ(ending->piece, example.piece);
            EXPECT_EQ(ending->continues, example.continues);
        }
    }
    EXPECT_EQ(notes::endingText(0, false, U" ."), U"~~ .");
    EXPECT_EQ(notes::endingText(12, true, U""), U"~12+~");
    EXPECT_EQ(notes::endingText(3, false, U"a"), U"~3=~a");
}

// Like byte stuffing: a note whose own end reads as an ending, or as an
// earlier version's offer's line, gets an ending of its own.
TEST(NoteEncryption, NotesThatEndAsEndingsDoComeBackExactly) {
    const std::u32string_view kAdded = U"~ .+=1a";
    std::vector<std::u32string> tails{U""};
    for (std::size_t length = 1, from = 0; length <= 4; ++length) {
        const std::size_t to = tails.size();
        for (std::size_t at = from; at < to; ++at) {
            for (char32_t character : kAdded) {
                tails.push_back(tails[at] + character);
            }
        }
        from = to;
    }
    for (std::u32string_view line : {U"~", U" ~", U".", U" ."}) {
        tails.emplace_back(line);
        tails.push_back(U"\r\n" + std::u32string(line));
    }
    for (const std::u32string_view start : {U"", U"Hello", U"PIN 4711\r\n", U"AB"}) {
        for (const std::u32string& tail : tails) {
            const std::u32string note = std::u32string(start) + tail;
            ASSERT_EQ(decrypted(notes::encryptNote(kCipher, note).cipherText), note);
        }
    }
}

TEST(NoteEncryption, RandomNotesComeBackExactly) {
    const std::u32string_view kCharacters = U"~~~+=12 .aAB\t\r\nß";
    std::mt19937 random(101);
    std::uniform_int_distribution<std::size_t> length(0, 60);
    std::uniform_int_distribution<std::size_t> pick(0, kCharacters.size() - 1);
    for (int round = 0; round < 3000; ++round) {
        std::u32string note(length(random), U' ');
        for (char32_t& character : note) {
            character = kCharacters[pick(random)];
        }
        ASSERT_EQ(decrypted(notes::encryptNote(kCipher, note).cipherText), note);
    }
}

// A one-line note decrypted by the procedures alone meets no zero group and
// reads as the note with its codes, then what was added, on one line.
TEST(NoteEncryption, OneLineNotesReadByTheProceduresAlone) {
    const LiteralTranscription procedures(kCipher);
    std::vector<std::u32string> notes;
    for (const samples::RealNote& note : samples::realNotes()) {
        if (note.text.find(U'\n') == std::u32string::npos) {
            notes.push_back(note.text);
        }
    }
    notes.push_back(oneLine(longLetter(12'000, U" ")));
    for (const std::u32string& note : notes) {
        const notes::NoteEncryption encryption = notes::encryptNote(kCipher, note);
        const std::vector<std::u32string> pieces = piecesOf(encryption.cipherText);
        ASSERT_EQ(pieces.size(), encryption.plan.pieces.size());
        std::u32string readBack;
        for (std::size_t index = 0; index < pieces.size(); ++index) {
            ASSERT_LE(pieces[index].size(), cipher::kMaxTextLength);
            const std::string bits = procedures.decryptBits(pieces[index]);
            for (std::size_t group = 0; group < bits.size(); group += cipher::kCodeLength) {
                ASSERT_NE(bits.substr(group, cipher::kCodeLength), "0000000");
            }
            const std::u32string text = procedures.decryptText(pieces[index]);
            const std::u32string& ending = encryption.plan.pieces[index].ending;
            ASSERT_EQ(text.substr(text.size() - ending.size()), ending);
            readBack += text.substr(0, text.size() - ending.size());
        }
        EXPECT_EQ(readBack, notes::withCodes(kCipher, note));
    }
}

TEST(NoteEncryption, AddsLittle) {
    const std::u32string letter = longLetter(4'000, U"\r\n");
    EXPECT_LE(notes::encryptNote(kCipher, letter).plan.added(), letter.size() / 50);
}

TEST(Pieces, LongNotesComeBackWholeAfterMailWrapsThem) {
    const std::u32string letter = longLetter(35'000, U"\r\n");
    const notes::NoteEncryption encryption = notes::encryptNote(kCipher, letter);
    EXPECT_GT(encryption.plan.pieces.size(), 7u);
    EXPECT_EQ(decrypted(encryption.cipherText), letter);

    std::vector<std::u32string> wrapped;
    for (const std::u32string& piece : piecesOf(encryption.cipherText)) {
        wrapped.push_back(samples::wrapped(piece, 76));
    }
    const auto pieces = notes::decryptPieces(kCipher, joined(wrapped, U"\r\n\r\n"));
    ASSERT_TRUE(pieces);
    EXPECT_EQ(pieces->text, letter);
    EXPECT_EQ(pieces->notes, 1u);
    EXPECT_GT(pieces->wrappedLines, 400u);
}

TEST(Pieces, CipherTextsOfSeveralNotesComeBackApart) {
    const std::u32string first = U"PIN 4711, door code 0815#";
    const std::u32string second = longLetter(9'000, U"\r\n");
    const std::u32string third = U"Feed the cat";
    const std::u32string written = joined({notes::encryptNote(kCipher, first).cipherText,
                                           notes::encryptNote(kCipher, second).cipherText,
                                           notes::encryptNote(kCipher, third).cipherText},
                                          U"\r\n\r\n");
    const auto pieces = notes::decryptPieces(kCipher, written);
    ASSERT_TRUE(pieces);
    EXPECT_FALSE(pieces->gap);
    EXPECT_EQ(pieces->notes, 3u);
    EXPECT_EQ(pieces->text, first + U"\r\n\r\n" + second + U"\r\n\r\n" + third);
}

TEST(Pieces, TellsAPieceMissingOrOutOfOrder) {
    std::vector<std::u32string> pieces =
        piecesOf(notes::encryptNote(kCipher, oneLine(longLetter(12'000, U" "))).cipherText);
    ASSERT_GE(pieces.size(), 3u);
    using Gap = std::pair<std::size_t, std::size_t>;
    const auto gapOf = [](const std::vector<std::u32string>& some) {
        const auto read = notes::decryptPieces(kCipher, joined(some, U"\r\n\r\n"));
        EXPECT_TRUE(read);
        return read && read->gap ? Gap(read->gap->expected, read->gap->found) : Gap(99, 99);
    };
    std::vector<std::u32string> withoutSecond = pieces;
    withoutSecond.erase(withoutSecond.begin() + 1);
    EXPECT_EQ(gapOf(withoutSecond), Gap(2, 3));
    std::vector<std::u32string> swapped = pieces;
    std::swap(swapped[0], swapped[1]);
    EXPECT_EQ(gapOf(swapped), Gap(0, 2));
    std::vector<std::u32string> withoutLast = pieces;
    withoutLast.pop_back();
    EXPECT_EQ(gapOf(withoutLast), Gap(pieces.size(), 0));
    std::vector<std::u32string> withAnother = withoutLast;
    withAnother.push_back(notes::encryptNote(kCipher, U"Feed the cat").cipherText);
    EXPECT_EQ(gapOf(withAnother), Gap(pieces.size(), 0));
}

// Mail programs that wrap with "format=flowed" leave a space at the end of
// each wrapped line; a character lost on the way is told, not guessed at.
TEST(Pieces, TakesOutBlanksAtLineEndsAndTellsAPieceThatDoesNotDecrypt) {
    const std::u32string letter = longLetter(12'000, U"\r\n");
    std::vector<std::u32string> pieces = piecesOf(notes::encryptNote(kCipher, letter).cipherText);
    ASSERT_GE(pieces.size(), 3u);
    std::vector<std::u32string> flowed;
    for (const std::u32string& piece : pieces) {
        std::u32string lines = samples::wrapped(piece, 76);
        for (std::size_t at = lines.find(U"\r\n"); at != std::u32string::npos;
             at = lines.find(U"\r\n", at + 3)) {
            lines.insert(at, U" ");
        }
        flowed.push_back(lines + U"\t");
    }
    const auto read = notes::decryptPieces(kCipher, joined(flowed, U"\r\n\r\n"));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->text, letter);
    EXPECT_EQ(read->unreadable, 0u);
    EXPECT_EQ(read->blanksAtLineEnds, read->wrappedLines + pieces.size());

    pieces[1].erase(pieces[1].size() / 2, 1);
    const auto damaged = notes::decryptPieces(kCipher, joined(pieces, U"\r\n\r\n"));
    ASSERT_TRUE(damaged);
    EXPECT_EQ(damaged->unreadable, 2u);
    EXPECT_EQ(damaged->cipherTexts, pieces.size());
    EXPECT_TRUE(damaged->text.empty());
    // Text that holds no pieces at all is still no business of this.
    EXPECT_FALSE(notes::decryptPieces(kCipher, U"Dear Ann,\r\n\r\nthanks for the tea."));
}

}  // namespace
