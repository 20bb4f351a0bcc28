// SPDX-License-Identifier: MIT
// What Encrypt Text adds so that a note encrypts: over the sample notes, by
// length and by whether they are one line, and over passages cut at random
// from a long English text (by default the GPL, which every Debian system
// has), with its line breaks, at lengths from 100 to 1,000,000 characters.
// Checks that each comes back exactly, and times the planning.
//
// Usage: additions_report [TEXT_FILE] [PASSAGES_PER_LENGTH]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "cipher/text_cipher.h"
#include "notes/decrypted_note.h"
#include "notes/note_encryption.h"
#include "notes/note_pieces.h"
#include "notes/recovered_text.h"
#include "real_notes.h"

namespace {

const cipher::TextCipher kCipher;

// The file as code points (it is UTF-8), each line end as a line break.
std::u32string textFrom(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream bytes;
    bytes << file.rdbuf();
    const std::string utf8 = bytes.str();
    std::u32string text;
    for (std::size_t at = 0; at < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[at]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t character = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t next = 1; next < length && at + next < utf8.size(); ++next) {
            character = character << 6 | (static_cast<unsigned char>(utf8[at + next]) & 0x3F);
        }
        at += length;
        if (character == U'\n') {
            text += notes::kLineBreak;
        } else {
            text += character;
        }
    }
    return text;
}

bool comesBack(const std::u32string& note, const std::u32string& cipherText) {
    if (const auto pieces = notes::decryptPieces(kCipher, cipherText)) {
        return !pieces->gap && pieces->text == note;
    }
    return notes::decryptNote(kCipher, cipherText).text == note;
}

struct Row {
    std::vector<std::size_t> added;
    std::vector<std::size_t> pieces;
    std::vector<double> milliseconds;
    std::size_t lengths = 0;
    std::size_t asItStands = 0;
    std::size_t wrong = 0;

    void add(const std::u32string& note) {
        const auto start = std::chrono::steady_clock::now();
        const notes::NoteEncryption encryption = notes::encryptNote(kCipher, note);
        milliseconds.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
        added.push_back(encryption.plan.added());
        pieces.push_back(encryption.plan.pieces.size());
        lengths += note.size();
        asItStands += encryption.plan.asItStands() ? 1 : 0;
        wrong += comesBack(note, encryption.cipherText) ? 0 : 1;
    }
};

template <typename T>
T at(std::vector<T> values, double share) {
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1,
                           static_cast<std::size_t>(share * static_cast<double>(values.size())))];
}

void print(const char* name, const Row& row) {
    if (row.added.empty()) {
        return;
    }
    std::size_t added = 0;
    for (std::size_t each : row.added) {
        added += each;
    }
    const std::size_t count = row.added.size();
    std::printf("| %s | %zu | %.0f%% | %zu | %zu | %zu | %.2f%% | %zu | %.2f |\n", name, count,
                100.0 * static_cast<double>(row.asItStands) / static_cast<double>(count),
                at(row.added, 0.5), at(row.added, 0.9), at(row.added, 1.0),
                100.0 * static_cast<double>(added) / static_cast<double>(row.lengths),
                at(row.pieces, 0.5), at(row.milliseconds, 0.5));
    if (row.wrong != 0) {
        std::printf("ERROR: %zu notes did not come back exactly\n", row.wrong);
    }
}

}  // namespace

int main(int argc, char** argv) {
    const std::string path = argc > 1 ? argv[1] : "/usr/share/common-licenses/GPL-3";
    const int passages = argc > 2 ? std::stoi(argv[2]) : 200;
    std::puts(
        "| Notes | count | as they stand | median added | 90% add at most | most added | "
        "added of all characters | median pieces | median ms |");
    std::puts("|---|---|---|---|---|---|---|---|---|");

    Row oneLineShort;
    Row oneLine;
    Row multiLine;
    for (const samples::RealNote& note : samples::realNotes()) {
        const bool single = note.text.find(notes::kLineBreak) == std::u32string::npos;
        (single ? (note.text.size() < 200 ? oneLineShort : oneLine) : multiLine).add(note.text);
    }
    print("sample notes, one line, under 200 characters", oneLineShort);
    print("sample notes, one line, 200 or more", oneLine);
    print("sample notes, several lines", multiLine);

    const std::u32string text = textFrom(path);
    std::mt19937 random(7);
    for (const std::size_t length :
         {100, 200, 500, 1000, 2000, 4000, 12000, 35000, 100000, 1000000}) {
        Row row;
        const int count = length >= 100000 ? 3 : passages;
        for (int passage = 0; passage < count; ++passage) {
            std::u32string note;
            std::uniform_int_distribution<std::size_t> start(0, text.size() - 1);
            for (std::size_t from = start(random); note.size() < length; from = 0) {
                note += text.substr(from, length - note.size());
            }
            if (note.back() == U'\r') {
                note.back() = U'.';
            }
            row.add(note);
        }
        const std::string name = std::to_string(length) + " characters of " + path;
        print(name.c_str(), row);
    }
}
