// SPDX-License-Identifier: MIT
// How judgeText does on the sample notes and on each kind of wrong input
// (tests/support): a table of how many it judges text, not text and too
// short, the real notes nearest each limit, every wrong input it takes for
// text, how it does on short random texts, and how long judging the longest
// text takes.
//
// Usage: judgement_report
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "cipher/text_cipher.h"
#include "notes/text_judgement.h"
#include "real_notes.h"
#include "sample_texts.h"
#include "wrong_inputs.h"

namespace {

const cipher::TextCipher kCipher;

std::string utf8(std::u32string_view text) {
    std::string bytes;
    for (const char32_t character : text) {
        const auto code = static_cast<std::uint32_t>(character);
        if (code < 0x80) {
            bytes += static_cast<char>(code);
        } else if (code < 0x800) {
            bytes += static_cast<char>(0xC0 | code >> 6);
            bytes += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            bytes += static_cast<char>(0xE0 | code >> 12);
            bytes += static_cast<char>(0x80 | (code >> 6 & 0x3F));
            bytes += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            bytes += static_cast<char>(0xF0 | code >> 18);
            bytes += static_cast<char>(0x80 | (code >> 12 & 0x3F));
            bytes += static_cast<char>(0x80 | (code >> 6 & 0x3F));
            bytes += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    return bytes;
}

// The text on one line, line breaks shown as ⏎, at most 70 characters.
std::string shown(std::u32string_view text) {
    std::u32string line;
    for (std::size_t at = 0; at < text.size() && line.size() < 70; ++at) {
        if (text[at] == U'\r' && at + 1 < text.size() && text[at + 1] == U'\n') {
            continue;
        }
        line += text[at] == U'\n' || text[at] == U'\r' ? U'⏎' : text[at];
    }
    return utf8(line);
}

struct Row {
    std::size_t text = 0;
    std::size_t notText = 0;
    std::size_t tooShort = 0;

    void count(const notes::TextJudgement& judgement) {
        using enum notes::TextJudgement::Verdict;
        switch (judgement.verdict) {
            case ReadsLikeText:
                ++text;
                break;
            case DoesNotReadLikeText:
                ++notText;
                break;
            case TooShort:
                ++tooShort;
                break;
        }
    }
    std::size_t judged() const { return text + notText; }
};

void printRow(const std::string& name, const Row& row, bool wantText) {
    const std::size_t right = wantText ? row.text : row.notText;
    std::printf("| %s | %zu | %zu | %zu | %zu | %.1f%% |\n", name.c_str(),
                row.judged() + row.tooShort, row.text, row.notText, row.tooShort,
                row.judged() == 0
                    ? 0.0
                    : 100.0 * static_cast<double>(right) / static_cast<double>(row.judged()));
}

double percent(std::size_t count, std::size_t total) {
    return total == 0 ? 0.0 : 100.0 * static_cast<double>(count) / static_cast<double>(total);
}

void printNearest(const char* what, std::vector<std::pair<double, std::u32string>> shares) {
    std::sort(shares.begin(), shares.end(),
              [](const auto& left, const auto& right) { return left.first > right.first; });
    std::printf("\nReal notes with the highest %s:\n\n", what);
    for (std::size_t index = 0; index < std::min<std::size_t>(5, shares.size()); ++index) {
        std::printf("- %.0f%%: %s\n", shares[index].first, shown(shares[index].second).c_str());
    }
}

void reportRealNotes() {
    Row all;
    Row genuine;
    Row cipherTexts;
    std::vector<std::pair<double, std::u32string>> symbolShares;
    std::vector<std::pair<double, std::u32string>> garbledShares;
    std::printf("| Samples | Count | Reads like text | Does not | Too short | As wanted |\n");
    std::printf("|---|---|---|---|---|---|\n");
    for (const samples::Language language : samples::kLanguages) {
        Row row;
        for (const samples::RealNote& note : samples::realNotes()) {
            if (note.language != language) {
                continue;
            }
            const notes::TextJudgement judgement = notes::judgeText(note.text);
            row.count(judgement);
            all.count(judgement);
            symbolShares.emplace_back(percent(judgement.symbols, judgement.characters), note.text);
            garbledShares.emplace_back(
                percent(judgement.garbledCharacters, judgement.wordCharacters), note.text);
            const std::u32string cipherText = samples::cipherTextOf(kCipher, note.text);
            genuine.count(notes::judgeText(samples::decryptedAnyway(kCipher, cipherText)));
            cipherTexts.count(notes::judgeText(cipherText));
        }
        printRow("real notes, " + std::string(samples::languageName(language)), row, true);
    }
    printRow("**real notes, all**", all, true);
    printRow("their genuine decryptions", genuine, true);
    printRow("their cipher texts", cipherTexts, false);
    printNearest("share of symbols (limit 30%)", symbolShares);
    printNearest("share of characters in garbled words (limit 50%)", garbledShares);
}

void reportWrongInputs() {
    std::printf(
        "\n| Wrong input | Count | Reads like text | Does not | Too short | As wanted | Input "
        "reads like text |\n");
    std::printf("|---|---|---|---|---|---|---|\n");
    std::vector<std::u32string> takenForText;
    for (const samples::WrongInput kind : samples::kWrongInputs) {
        Row row;
        std::size_t inputsText = 0;
        const std::vector<samples::WrongSample> wrong = samples::wrongSamples(kCipher, kind);
        for (const samples::WrongSample& sample : wrong) {
            const notes::TextJudgement judgement = notes::judgeText(sample.decryption);
            row.count(judgement);
            if (judgement.readsLikeText()) {
                takenForText.push_back(sample.decryption);
            }
            inputsText += notes::judgeText(sample.input).readsLikeText() ? 1 : 0;
        }
        const std::size_t right = row.notText;
        std::printf("| %s | %zu | %zu | %zu | %zu | %.1f%% | %zu |\n",
                    std::string(samples::wrongInputName(kind)).c_str(), wrong.size(), row.text,
                    row.notText, row.tooShort, percent(right, row.judged()), inputsText);
    }
    std::printf("\nWrong inputs judged to read like text:\n\n");
    for (const std::u32string& decryption : takenForText) {
        std::printf("- %s\n", shown(decryption).c_str());
    }
}

// Short texts are where the judgement is least sure: decryptions of random
// alphabet texts of each length.
void reportShortRandomTexts() {
    std::printf("\n| Decryption of random alphabet text | Count | Reads like text |\n");
    std::printf("|---|---|---|\n");
    std::mt19937 random(12);
    for (const std::size_t length : {12, 14, 16, 20, 30, 50, 100}) {
        std::size_t text = 0;
        const int count = 10000;
        for (int index = 0; index < count; ++index) {
            const std::u32string decryption =
                samples::decryptedAnyway(kCipher, samples::alphabetText(kCipher, length, random));
            text += notes::judgeText(decryption).readsLikeText() ? 1 : 0;
        }
        std::printf("| %zu characters | %d | %.2f%% |\n", length, count,
                    percent(text, static_cast<std::size_t>(count)));
    }
}

void reportSpeed() {
    std::mt19937 random(42);
    const std::u32string longest =
        samples::decryptedAnyway(kCipher, samples::alphabetText(kCipher, 4681, random));
    std::vector<double> micros;
    for (int run = 0; run < 2001; ++run) {
        const auto start = std::chrono::steady_clock::now();
        const notes::TextJudgement judgement = notes::judgeText(longest);
        const auto stop = std::chrono::steady_clock::now();
        if (judgement.characters == 0) {
            return;
        }
        micros.push_back(std::chrono::duration<double, std::micro>(stop - start).count());
    }
    std::nth_element(micros.begin(), micros.begin() + 1000, micros.end());
    std::printf("\nJudging a decryption of 4,681 characters: %.1f µs (median of 2,001)\n",
                micros[1000]);
}

}  // namespace

int main() {
    reportRealNotes();
    reportWrongInputs();
    reportShortRandomTexts();
    reportSpeed();
}
