// SPDX-License-Identifier: MIT
#include "bench_notes.h"

#include <random>
#include <string>

#include "cipher/text_cipher.h"
#include "note_text.h"
#include "sample_texts.h"

QString noteOf(std::size_t length, std::size_t outside) {
    const cipher::TextCipher cipher;
    std::mt19937 random(42);
    std::u32string text = samples::alphabetText(cipher, length, random);
    for (std::size_t at = 60; at < text.size(); at += 61) {
        text[at] = U'\n';
    }
    static const std::u32string_view kOutside = U"ßÉ\t’ãÄœ";
    for (std::size_t count = 0; count < outside; ++count) {
        std::size_t at = (count * 2 + 1) * length / (2 * outside);
        if (text[at] == U'\n') {
            ++at;
        }
        text[at] = kOutside[count % kOutside.size()];
    }
    return toQString(text);
}
