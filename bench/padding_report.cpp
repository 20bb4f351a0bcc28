// How often prose encrypts, with and without the offer to append spaces.
// Cuts passages of 100, 200, 500 and 1,000 characters from an English text
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

#include "cipher/text_cipher.h"

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

bool encrypts(std::u32string_view text) {
    try {
        (void)kCipher.encryptText(text);
        return true;
    } catch (const cipher::ZeroGroupError&) {
        return false;
    }
}

void report(const std::u32string& prose, std::size_t length, int passages, std::mt19937& random) {
    std::uniform_int_distribution<std::size_t> start(0, prose.size() - length);
    int plain = 0;
    int offered = 0;
    std::vector<std::size_t> spacesNeeded;
    double slowestMs = 0;
    for (int index = 0; index < passages; ++index) {
        const std::u32string_view passage =
            std::u32string_view(prose).substr(start(random), length);
        if (encrypts(passage)) {
            ++plain;
            spacesNeeded.push_back(0);
            continue;
        }
        const auto began = std::chrono::steady_clock::now();
        const auto spaces = kCipher.spacesToEncrypt(passage);
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - began;
        slowestMs = std::max(slowestMs, took.count());
        if (spaces) {
            ++offered;
            spacesNeeded.push_back(*spaces);
        }
    }
    std::sort(spacesNeeded.begin(), spacesNeeded.end());
    const std::size_t median = spacesNeeded.empty() ? 0 : spacesNeeded[spacesNeeded.size() / 2];
    const std::size_t most = spacesNeeded.empty() ? 0 : spacesNeeded.back();
    std::printf("| %5zu | %3d%% | %3d%% | %zu | %zu | %.2f ms |\n", length, 100 * plain / passages,
                100 * (plain + offered) / passages, median, most, slowestMs);
}

}  // namespace

int main(int argc, char** argv) {
    const std::string path = argc > 1 ? argv[1] : "/usr/share/common-licenses/GPL-3";
    const int passages = argc > 2 ? std::stoi(argv[2]) : 1000;
    const std::u32string prose = proseFrom(path);
    if (prose.size() < 1000) {
        std::fprintf(stderr, "%s holds too little text\n", path.c_str());
        return 1;
    }
    std::mt19937 random(2026);
    std::printf("%d passages of each length from %s\n\n", passages, path.c_str());
    std::printf(
        "| Length | Encrypt as is | With the offer | Median spaces | Most spaces | "
        "Slowest search |\n|---|---|---|---|---|---|\n");
    for (std::size_t length : {100, 200, 500, 1000}) {
        report(prose, length, passages, random);
    }
    return 0;
}
