// SPDX-License-Identifier: MIT
// How often prose encrypts as it is, with spaces alone appended, and with
// the offer Encrypt Text makes. Cuts passages of 500 to 4,000 characters from an English text
// (by default the GPL, which every Debian system has), keeps letters,
// punctuation and single spaces, and tries each passage.
//
// Usage: padding_report [TEXT_FILE] [PASSAGES_PER_LENGTH]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "cipher/outlook.h"
#include "cipher/outside_characters.h"
#include "cipher/padding.h"
#include "cipher/recovered_text.h"
#include "cipher/text_cipher.h"
#include "cipher/text_length.h"
#include "cipher/zero_groups.h"

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

struct Added {
    std::size_t characters = 0;
    std::size_t others = 0;  // characters other than spaces
};

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

// One row: how many passages encrypt as they are, and with each search's
// offer; what the offers add, over the passages that got one.
void report(const std::u32string& prose, std::size_t length, int passages, std::mt19937& random) {
    std::uniform_int_distribution<std::size_t> start(0, prose.size() - length);
    int plain = 0;
    int bySpaces = 0;
    int bySearch = 0;
    std::vector<std::size_t> spacesAdded;
    std::vector<std::size_t> searchAdded;
    std::vector<std::size_t> searchOthers;
    double slowestMs = 0;
    for (int index = 0; index < passages; ++index) {
        const std::u32string_view passage =
            std::u32string_view(prose).substr(start(random), length);
        if (cipher::encrypts(kCipher, passage)) {
            ++plain;
            continue;
        }
        if (const auto spaces = cipher::spacesToEncrypt(kCipher, passage)) {
            ++bySpaces;
            spacesAdded.push_back(*spaces);
        }
        const auto began = std::chrono::steady_clock::now();
        const auto padding = cipher::paddingToEncrypt(kCipher, passage);
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - began;
        slowestMs = std::max(slowestMs, took.count());
        if (padding) {
            ++bySearch;
            searchAdded.push_back(padding->characters.size());
            searchOthers.push_back(padding->others());
        }
    }
    const auto share = [passages](int count) { return 100 * count / passages; };
    std::printf("| %5zu | %3d%% | %3d%% | %zu | %zu | %3d%% | %zu | %zu | %zu | %.2f ms |\n",
                length, share(plain), share(plain + bySpaces), median(spacesAdded),
                most(spacesAdded), share(plain + bySearch), median(searchAdded), most(searchAdded),
                median(searchOthers), slowestMs);
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
        "| Length | As is | Spaces alone: encrypt | median added | most added | "
        "Offer: encrypt | median added | most added | median non-spaces | slowest offer "
        "search |\n|---|---|---|---|---|---|---|---|---|---|\n");
    for (std::size_t length : {500, 1000, 1500, 2000, 3000, 3500, 4000}) {
        report(prose, length, passages, random);
    }
    return 0;
}
