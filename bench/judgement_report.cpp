// SPDX-License-Identifier: MIT
// What Decrypt Text makes of the samples, through decryptionOutlookOf: the
// genuine cipher texts of the real notes (tests/support) and of the notes of
// passwords, keys and technical text (tests/data/judgement), each of them
// slipped on the way and decrypted by mistake, and random alphabet texts;
// every miss is listed, and how long judging and the whole outlook take.
//
// Usage: judgement_report
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "cipher/text_cipher.h"
#include "judgement_samples.h"
#include "notes/decryption_outlook.h"
#include "notes/text_judgement.h"
#include "notes/text_length.h"
#include "real_notes.h"
#include "sample_texts.h"
#include "wrong_inputs.h"

namespace {

const cipher::TextCipher kCipher;
using Verdict = notes::DecryptionOutlook::Verdict;

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

// The text on one line, line breaks shown as ⏎, at most 60 characters.
std::string shown(std::u32string_view text) {
    std::u32string line;
    for (std::size_t at = 0; at < text.size() && line.size() < 60; ++at) {
        if (text[at] == U'\r' && at + 1 < text.size() && text[at + 1] == U'\n') {
            continue;
        }
        line += text[at] == U'\n' || text[at] == U'\r' ? U'⏎' : text[at];
    }
    return utf8(line);
}

double percent(std::size_t count, std::size_t total) {
    return total == 0 ? 0.0 : 100.0 * static_cast<double>(count) / static_cast<double>(total);
}

const char* verdictName(Verdict verdict) {
    switch (verdict) {
        case Verdict::Decrypts:
            return "decrypts";
        case Verdict::DecryptsIntoNoText:
            return "decrypts into no text";
        case Verdict::NotACipherText:
            return "not a cipher text";
        case Verdict::PickedUp:
            return "picked up";
        case Verdict::DecryptsDespitePickedUp:
            return "decrypts despite picked up";
        case Verdict::CutShort:
            return "cut short";
        case Verdict::CannotComeBack:
            return "cannot come back";
        case Verdict::TooLong:
            return "too long";
    }
    return "?";
}

bool asks(Verdict verdict) {
    return verdict == Verdict::NotACipherText || verdict == Verdict::PickedUp ||
           verdict == Verdict::CutShort || verdict == Verdict::CannotComeBack;
}

struct SampleSet {
    std::string name;
    std::vector<std::u32string> notes;
};

std::vector<SampleSet> sampleSets() {
    std::vector<SampleSet> sets;
    for (const samples::Language language : samples::kLanguages) {
        SampleSet set{"real notes, " + std::string(samples::languageName(language)), {}};
        for (const samples::RealNote& note : samples::realNotes()) {
            if (note.language == language) {
                set.notes.push_back(note.text);
            }
        }
        sets.push_back(std::move(set));
    }
    return sets;
}

SampleSet allRealNotes() {
    SampleSet set{"real notes, all six languages", {}};
    for (const samples::RealNote& note : samples::realNotes()) {
        set.notes.push_back(note.text);
    }
    return set;
}

SampleSet technicalNotes() {
    return {"passwords, keys and technical notes", samples::technicalNotes()};
}

void printMisses(const std::vector<std::string>& misses) {
    for (std::size_t index = 0; index < std::min<std::size_t>(misses.size(), 12); ++index) {
        std::printf("  - %s\n", misses[index].c_str());
    }
    if (misses.size() > 12) {
        std::printf("  - and %zu more\n", misses.size() - 12);
    }
}

void reportGenuine(const std::vector<SampleSet>& sets) {
    std::printf("| Genuine cipher texts of | Count | Decrypt quietly, exactly | False alarms |\n");
    std::printf("|---|---|---|---|\n");
    std::vector<std::string> misses;
    std::vector<std::pair<double, std::u32string>> lowest;
    for (const SampleSet& set : sets) {
        std::size_t quiet = 0;
        for (const std::u32string& note : set.notes) {
            const auto outlook =
                notes::decryptionOutlookOf(kCipher, samples::cipherTextOf(kCipher, note));
            if (outlook.verdict == Verdict::Decrypts && outlook.decrypted.text == note) {
                ++quiet;
            } else {
                misses.push_back(std::string(verdictName(outlook.verdict)) + ": " + shown(note));
            }
            const notes::TextJudgement judgement = notes::judgeText(note);
            if (judgement.verdict != notes::TextJudgement::Verdict::TooShort) {
                lowest.emplace_back(judgement.evidence, note);
            }
        }
        std::printf("| %s | %zu | %zu | %zu |\n", set.name.c_str(), set.notes.size(), quiet,
                    set.notes.size() - quiet);
    }
    std::printf("\nFalse alarms:\n");
    printMisses(misses);
    std::sort(lowest.begin(), lowest.end());
    std::printf("\nJudged notes nearest the limit (evidence in nats, text above 0):\n");
    for (std::size_t index = 0; index < std::min<std::size_t>(8, lowest.size()); ++index) {
        std::printf("  - %.1f: %s\n", lowest[index].first, shown(lowest[index].second).c_str());
    }
}

// Whether the text Decrypt Text is to judge, as a slipped cipher text
// decrypts or as the note comes back, is long enough to be judged.
bool judged(std::u32string_view text) {
    return notes::judgeText(text).verdict != notes::TextJudgement::Verdict::TooShort;
}

void reportSlips(const std::vector<SampleSet>& sets) {
    std::printf(
        "\n| Cipher text | Of | Count | Judged | Told | Said cut short | Where and how many "
        "right | Offered the way back |\n");
    std::printf("|---|---|---|---|---|---|---|---|\n");
    for (const samples::Slip slip : samples::kSlips) {
        std::vector<std::string> misses;
        for (const SampleSet& set : sets) {
            std::size_t count = 0;
            std::size_t judgedCount = 0;
            std::size_t told = 0;
            std::size_t cutShort = 0;
            std::size_t rightCount = 0;
            std::size_t offered = 0;
            for (const std::u32string& note : set.notes) {
                const std::u32string input =
                    samples::slipped(samples::cipherTextOf(kCipher, note), slip);
                if (input.empty()) {
                    continue;
                }
                ++count;
                const auto outlook = notes::decryptionOutlookOf(kCipher, input);
                const bool lost = samples::losesCharacters(slip);
                if (!judged(lost ? outlook.decrypted.text : note)) {
                    continue;
                }
                ++judgedCount;
                told += outlook.verdict != Verdict::Decrypts ? 1 : 0;
                if (outlook.verdict == Verdict::CutShort) {
                    ++cutShort;
                    const notes::CutShort expected{slip == samples::Slip::LostLast
                                                       ? notes::CutShort::Where::AtEnd
                                                       : notes::CutShort::Where::AtStart,
                                                   1};
                    rightCount += *outlook.cutShort == expected ? 1 : 0;
                }
                const bool back =
                    outlook.verdict == Verdict::PickedUp && outlook.withoutPickedUp->text == note;
                offered += back ? 1 : 0;
                if (lost ? outlook.verdict == Verdict::Decrypts : !back) {
                    misses.push_back(std::string(verdictName(outlook.verdict)) + ": " +
                                     shown(note));
                }
            }
            std::printf(
                "| %s | %s | %zu | %zu | %zu (%.1f%%) | %zu (%.1f%%) | %zu | %zu (%.1f%%) |\n",
                std::string(samples::slipName(slip)).c_str(), set.name.c_str(), count, judgedCount,
                told, percent(told, judgedCount), cutShort, percent(cutShort, judgedCount),
                rightCount, offered, percent(offered, judgedCount));
        }
        std::printf("\n%s, missed (%s):\n", std::string(samples::slipName(slip)).c_str(),
                    samples::losesCharacters(slip) ? "decrypted quietly" : "not offered");
        printMisses(misses);
        std::printf("\n");
    }
}

void reportPlainText(const std::vector<SampleSet>& sets) {
    std::printf(
        "| Decrypted by mistake | Count (12 characters or more) | Asked about | Of which "
        "\"not a cipher text\" |\n");
    std::printf("|---|---|---|---|\n");
    std::vector<std::string> misses;
    for (const SampleSet& set : sets) {
        std::size_t count = 0;
        std::size_t asked = 0;
        std::size_t notCipherText = 0;
        for (const std::u32string& note : set.notes) {
            if (notes::measureText(note).asTyped() < notes::kShortestJudgedText) {
                continue;
            }
            ++count;
            const auto outlook = notes::decryptionOutlookOf(kCipher, note);
            asked += asks(outlook.verdict) ? 1 : 0;
            notCipherText += outlook.verdict == Verdict::NotACipherText ? 1 : 0;
            if (!asks(outlook.verdict)) {
                misses.push_back(std::string(verdictName(outlook.verdict)) + ": " + shown(note));
            }
        }
        std::printf("| %s | %zu | %zu (%.1f%%) | %zu |\n", set.name.c_str(), count, asked,
                    percent(asked, count), notCipherText);
    }
    std::printf("\nNot asked about:\n");
    printMisses(misses);
}

// Short texts are where the judgement is least sure.
void reportRandomTexts() {
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

double medianMicroseconds(int runs, const std::function<bool()>& run) {
    std::vector<double> micros;
    for (int index = 0; index < runs; ++index) {
        const auto start = std::chrono::steady_clock::now();
        const bool kept = run();
        const auto stop = std::chrono::steady_clock::now();
        if (!kept) {
            return 0;
        }
        micros.push_back(std::chrono::duration<double, std::micro>(stop - start).count());
    }
    std::nth_element(micros.begin(), micros.begin() + runs / 2, micros.end());
    return micros[static_cast<std::size_t>(runs / 2)];
}

void reportSpeed() {
    std::mt19937 random(42);
    const std::u32string longest =
        samples::decryptedAnyway(kCipher, samples::alphabetText(kCipher, 4681, random));
    std::printf(
        "\nJudging a decryption of 4,681 characters: %.1f µs (median of 2,001)\n",
        medianMicroseconds(2001, [&] { return notes::judgeText(longest).characters != 0; }));
    std::u32string million;
    while (million.size() < 1000000) {
        million += longest;
    }
    std::printf(
        "Judging 1,000,000 characters: %.2f ms (median of 21)\n",
        medianMicroseconds(21, [&] { return notes::judgeText(million).characters != 0; }) / 1000);
    // The slowest outlook: a long note's cipher text that lost its last
    // character, where every guess of what is missing is tried.
    std::u32string note;
    while (note.size() < 4600) {
        note += U"Remember the milk, the eggs and the bread for Sunday. ";
    }
    const std::u32string cut =
        samples::slipped(samples::cipherTextOf(kCipher, note), samples::Slip::LostLast);
    std::printf(
        "Decrypt Text's outlook of a cipher text of %zu characters cut short: %.0f µs "
        "(median of 51)\n",
        cut.size(), medianMicroseconds(51, [&] {
            return notes::decryptionOutlookOf(kCipher, cut).verdict == Verdict::CutShort;
        }));
}

}  // namespace

int main() {
    std::vector<SampleSet> sets = sampleSets();
    sets.push_back(technicalNotes());
    reportGenuine(sets);
    const std::vector<SampleSet> twoSets = {allRealNotes(), technicalNotes()};
    reportSlips(twoSets);
    reportPlainText(twoSets);
    reportRandomTexts();
    reportSpeed();
}
