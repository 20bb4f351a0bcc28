// SPDX-License-Identifier: MIT
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "cipher/text_cipher.h"
#include "cipher/zero_groups.h"
#include "literal_transcription.h"
#include "notes/character_codes.h"
#include "notes/decrypted_note.h"
#include "notes/offered_line.h"
#include "notes/outlook.h"
#include "notes/outside_characters.h"
#include "notes/padding.h"
#include "notes/recovered_text.h"
#include "notes/text_judgement.h"
#include "notes/text_length.h"
#include "real_notes.h"
#include "sample_texts.h"
#include "wrong_inputs.h"

namespace {

const cipher::TextCipher kCipher;
const LiteralTranscription kLiteral(kCipher);

// The longest text, built so that it encrypts without a zero group, and its
// cipher text, which therefore decrypts.
const std::u32string& longestPlain() {
    static const std::u32string text = [] {
        std::mt19937 random(42);
        return samples::textThatEncrypts(kCipher, cipher::kMaxTextLength, random);
    }();
    return text;
}

const std::u32string& longestEncrypted() {
    static const std::u32string text = kCipher.encryptText(longestPlain());
    return text;
}

// 100,000 texts of 20 characters that all encrypt.
const std::vector<std::u32string>& shortTexts() {
    static const std::vector<std::u32string> texts = [] {
        std::mt19937 random(7);
        std::vector<std::u32string> made;
        for (int index = 0; index < 100000; ++index) {
            made.push_back(samples::textThatEncrypts(kCipher, 20, random));
        }
        return made;
    }();
    return texts;
}

void setCharacters(benchmark::State& state, std::size_t perIteration) {
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * perIteration));
}

template <typename Transform>
void runLongest(benchmark::State& state, const std::u32string& text, Transform transform) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(transform(text));
    }
    setCharacters(state, text.size());
}

void BM_EncryptText_Longest(benchmark::State& state) {
    runLongest(state, longestPlain(), [](const auto& text) { return kCipher.encryptText(text); });
}
void BM_DecryptBits_Longest(benchmark::State& state) {
    runLongest(state, longestEncrypted(),
               [](const auto& text) { return kCipher.decryptBits(text); });
}
void BM_DecryptText_Longest(benchmark::State& state) {
    runLongest(state, longestEncrypted(),
               [](const auto& text) { return kCipher.decryptText(text); });
}
void BM_Baseline_EncryptText_Longest(benchmark::State& state) {
    runLongest(state, longestPlain(), [](const auto& text) { return kLiteral.encryptText(text); });
}
void BM_Baseline_DecryptBits_Longest(benchmark::State& state) {
    runLongest(state, longestEncrypted(),
               [](const auto& text) { return kLiteral.decryptBits(text); });
}
void BM_Baseline_DecryptText_Longest(benchmark::State& state) {
    runLongest(state, longestEncrypted(),
               [](const auto& text) { return kLiteral.decryptText(text); });
}

template <typename Transform>
void runShort(benchmark::State& state, Transform transform) {
    const auto& texts = shortTexts();
    for (auto _ : state) {
        for (const auto& text : texts) {
            benchmark::DoNotOptimize(transform(text));
        }
    }
    setCharacters(state, texts.size() * 20);
}

void BM_EncryptText_100000Short(benchmark::State& state) {
    runShort(state, [](const auto& text) { return kCipher.encryptText(text); });
}
void BM_Baseline_EncryptText_100000Short(benchmark::State& state) {
    runShort(state, [](const auto& text) { return kLiteral.encryptText(text); });
}

// Line feeds encode as seven zeros, so the search runs long: it needs about
// 0.4 spaces per line feed, and from about 3,350 line feeds on it runs
// through every count the length limit allows and finds none.
void BM_SpacesToEncrypt_LineFeeds(benchmark::State& state) {
    const std::u32string lineFeeds(static_cast<std::size_t>(state.range(0)), U'\n');
    for (auto _ : state) {
        benchmark::DoNotOptimize(notes::spacesToEncrypt(kCipher, lineFeeds));
    }
}

// The padding search on its slowest inputs: line feeds, all zeros, try
// every count up to one for each six; a random text at the limit has no room.
void BM_PaddingToEncrypt_LineFeeds(benchmark::State& state) {
    const std::u32string lineFeeds(static_cast<std::size_t>(state.range(0)), U'\n');
    for (auto _ : state) {
        benchmark::DoNotOptimize(notes::paddingToEncrypt(kCipher, lineFeeds));
    }
}

void BM_PaddingToEncrypt_Random(benchmark::State& state) {
    std::mt19937 random(7);
    const auto text =
        samples::alphabetText(kCipher, static_cast<std::size_t>(state.range(0)), random);
    for (auto _ : state) {
        benchmark::DoNotOptimize(notes::paddingToEncrypt(kCipher, text));
    }
}

// What Encrypt Text offers and Decrypt Text takes off again, together: the
// offer's line for a note of the given length that needs one, then the
// whole decryption of its cipher text, which recognises that line, puts
// the line breaks back and reads the codes.
void BM_OfferAndRecognition(benchmark::State& state) {
    std::mt19937 random(11);
    const auto length = static_cast<std::size_t>(state.range(0));
    std::u32string note;
    do {
        note = samples::alphabetText(kCipher, length, random);
        for (std::size_t at = 40; at + 1 < note.size(); at += 60) {
            note[at] = U'\t';
        }
    } while (cipher::encrypts(kCipher, notes::withCodes(kCipher, note)));
    const std::u32string coded = notes::withCodes(kCipher, note);
    const std::u32string cipherText =
        kCipher.encryptText(coded + notes::additionOf(*notes::offeredLine(kCipher, coded)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(notes::offeredLine(kCipher, coded));
        benchmark::DoNotOptimize(notes::decryptNote(kCipher, cipherText));
    }
}

// The slowest offer of all: a text whose every character is a zero group.
void BM_OfferAndRecognition_LineFeeds(benchmark::State& state) {
    const std::u32string lineFeeds(4010, U'\n');
    const auto line = notes::offeredLine(kCipher, lineFeeds);
    const std::u32string withLine = lineFeeds + notes::additionOf(*line);
    for (auto _ : state) {
        benchmark::DoNotOptimize(notes::offeredLine(kCipher, lineFeeds));
        benchmark::DoNotOptimize(notes::offeredLineAtEnd(kCipher, withLine));
    }
}

// Judging what Decrypt Text shows: the longest decryption of a wrong text
// (random characters, on which branches would be mispredicted), and the
// sample notes run together up to the longest text.
void BM_JudgeText_LongestWrongDecryption(benchmark::State& state) {
    std::mt19937 random(42);
    const std::u32string decryption = samples::decryptedAnyway(
        kCipher, samples::alphabetText(kCipher, cipher::kMaxTextLength, random));
    runLongest(state, decryption, [](const auto& text) { return notes::judgeText(text); });
}

void BM_JudgeText_LongestNotes(benchmark::State& state) {
    std::u32string notes;
    for (const samples::RealNote& note : samples::realNotes()) {
        notes += note.text;
        notes += U"\r\n";
    }
    notes.resize(cipher::kMaxTextLength);
    runLongest(state, notes, [](const auto& text) { return notes::judgeText(text); });
}

}  // namespace

BENCHMARK(BM_OfferAndRecognition)->Arg(500)->Arg(2000)->Arg(3700)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OfferAndRecognition_LineFeeds)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JudgeText_LongestWrongDecryption)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_JudgeText_LongestNotes)->Unit(benchmark::kMicrosecond);

BENCHMARK(BM_PaddingToEncrypt_LineFeeds)
    ->Arg(1000)
    ->Arg(4012)
    ->Arg(4013)
    ->Arg(4681)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaddingToEncrypt_Random)
    ->Arg(1000)
    ->Arg(4000)
    ->Arg(4681)
    ->Unit(benchmark::kMillisecond);

BENCHMARK(BM_EncryptText_Longest)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Baseline_EncryptText_Longest)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DecryptBits_Longest)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Baseline_DecryptBits_Longest)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DecryptText_Longest)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Baseline_DecryptText_Longest)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EncryptText_100000Short)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Baseline_EncryptText_100000Short)->Unit(benchmark::kMillisecond);

BENCHMARK(BM_SpacesToEncrypt_LineFeeds)
    ->Arg(1000)
    ->Arg(2340)
    ->Arg(3400)
    ->Arg(4000)
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
