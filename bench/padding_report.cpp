// SPDX-License-Identifier: MIT
// How often prose encrypts as it is and with the offer Encrypt Text makes,
// what the offer's line adds, and how often Decrypt Text takes a typed note's
// last line for an offer's. Cuts passages of 500 to 4,000 characters from an English text
// (by default the GPL, which every Debian system has), keeps letters,
// punctuation and single spaces, and tries each passage.
//
// Usage: padding_report [TEXT_FILE] [PASSAGES_PER_LENGTH]
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "cipher/text_cipher.h"
#include "cipher/zero_groups.h"
#include "notes/decrypted_note.h"
#include "notes/offered_line.h"
#include "notes/outlook.h"
#include "notes/outside_characters.h"
#include "notes/padding.h"
#include "notes/recovered_text.h"
#include "notes/text_length.h"

namespace {

const cipher::TextCipher kCipher;

// The file as code points (it is UTF-8), line breaks and runs of white space
// folded into single spaces, characters outside the alphabet dropped.
std::u32string proseFrom(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream bytes;
    bytes << file.rdbuf();
    std::u32string prose;
    const std::string utf8 = bytes.str();
    for (std::size_t at = 0; at < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[at]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t character = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t next = 1; next < length && at + next < utf8.size(); ++next) {
            character = character << 6 | (static_cast<unsigned char>(utf8[at + next]) & 0x3F);
        }
        at += length;
        const bool space =
            character == U' ' || character == U'\n' || character == U'\t' || character == U'\r';
        if (space) {
            if (!prose.empty() && prose.back() != U' ') {
                prose += U' ';
            }
        } else if (kCipher.alphabetPosition(character) != 0) {
            prose += character;
        }
    }
    return prose;
}

std::size_t median(std::vector<std::size_t> values) {
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

std::size_t most(const std::vector<std::size_t>& values) {
    return values.empty() ? 0 : *std::max_element(values.begin(), values.end());
}

// One row: how many passages encrypt as they are; what the fewest
// characters appended would be; what the offer's line adds (its line break
// counted as the two characters the cipher sees) and how much more that is;
// and the slowest offer search together with the decryption that recognises
// it, in processor time.
void reportOffers(const std::u32string& prose, std::size_t length, int passages,
                  std::mt19937& random) {
    std::uniform_int_distribution<std::size_t> start(0, prose.size() - length);
    int plain = 0;
    int offered = 0;
    int recognised = 0;
    std::vector<std::size_t> fewest;
    std::vector<std::size_t> lineAdded;
    std::vector<std::size_t> extra;
    double slowestMs = 0;
    for (int index = 0; index < passages; ++index) {
        const std::u32string passage(std::u32string_view(prose).substr(start(random), length));
        if (cipher::encrypts(kCipher, passage)) {
            ++plain;
            continue;
        }
        const auto padding = notes::paddingToEncrypt(kCipher, passage);
        // Processor time, which other programs on the machine do not lengthen.
        const std::clock_t began = std::clock();
        const auto line = notes::offeredLine(kCipher, passage);
        std::size_t taken = 0;
        if (line) {
            const std::u32string added = notes::additionOf(*line);
            const std::u32string cipherText = kCipher.encryptText(passage + added);
            taken = notes::decryptNote(kCipher, cipherText).offeredLine.size();
            ++offered;
            recognised += taken == added.size() ? 1 : 0;
            lineAdded.push_back(added.size());
            if (padding) {
                fewest.push_back(padding->characters.size());
                extra.push_back(added.size() - padding->characters.size());
            }
        }
        slowestMs = std::max(slowestMs,
                             1000.0 * static_cast<double>(std::clock() - began) / CLOCKS_PER_SEC);
    }
    const auto share = [passages](int count) { return 100 * count / passages; };
    std::printf("| %5zu | %3d%% | %zu | %3d%% | %3d%% | %zu | %zu | %zu | %zu | %.2f ms |\n",
                length, share(plain), median(fewest), share(plain + offered),
                offered == 0 ? 100 : 100 * recognised / offered, median(lineAdded), most(lineAdded),
                median(extra), most(extra), slowestMs);
}

// Typed notes that end in a given last line and encrypt as they are, which
// Decrypt Text wrongly takes for a note with the offer's line: how many, of
// how many. Passages of 20 to 1,000 characters, with a line break at every
// sentence end; short notes are the likeliest to be taken.
void reportTypedNotes(const std::u32string& prose, int passages, std::mt19937& random) {
    static const std::u32string_view kLastLines[] = {U"",    U" ", U"  ", U".",  U" .",
                                                     U"  .", U"~", U"ok", U"Ann"};
    std::uniform_int_distribution<std::size_t> length(20, 1000);
    std::printf(
        "\n| Last line | Typed notes that encrypt as they are | Taken for the offer's "
        "line |\n|---|---|---|\n");
    for (std::u32string_view last : kLastLines) {
        int typed = 0;
        int taken = 0;
        for (int index = 0; index < passages; ++index) {
            const std::size_t size = length(random);
            std::uniform_int_distribution<std::size_t> start(0, prose.size() - size);
            std::u32string note(std::u32string_view(prose).substr(start(random), size));
            for (std::size_t at = note.find(U". "); at != std::u32string::npos;
                 at = note.find(U". ", at + 3)) {
                note.replace(at + 1, 1, U"\r\n");
            }
            if (!last.empty()) {
                note += U"\r\n";
                note += last;
            }
            if (!cipher::encrypts(kCipher, note)) {
                continue;
            }
            ++typed;
            taken += notes::offeredLineAtEnd(kCipher, note) != 0 ? 1 : 0;
        }
        std::printf("| \"%s\" | %d | %d (%.2f%%) |\n",
                    std::string(last.begin(), last.end()).c_str(), typed, taken,
                    typed == 0 ? 0.0 : 100.0 * taken / typed);
    }
}

}  // namespace

int main(int argc, char** argv) {
    const std::string path = argc > 1 ? argv[1] : "/usr/share/common-licenses/GPL-3";
    const int passages = argc > 2 ? std::stoi(argv[2]) : 1000;
    const std::u32string prose = proseFrom(path);
    if (prose.size() < 5000) {
        std::fprintf(stderr, "%s holds too little text\n", path.c_str());
        return 1;
    }
    std::mt19937 random(2026);
    std::printf("%d passages of each length from %s\n\n", passages, path.c_str());
    std::printf(
        "| Length | As is | Fewest appended: median | With the offer's line: encrypt | line "
        "recognised | median added | most added | median more than the fewest | most more | "
        "slowest offer and recognition |\n|---|---|---|---|---|---|---|---|---|---|\n");
    for (std::size_t length : {500, 1000, 1500, 2000, 3000, 3500, 4000}) {
        reportOffers(prose, length, passages, random);
    }
    reportTypedNotes(prose, 20 * passages, random);
    return 0;
}
