// SPDX-License-Identifier: MIT
#include "wrong_inputs.h"

#include <cmath>
#include <random>

#include "notes/decrypted_note.h"
#include "real_notes.h"
#include "sample_texts.h"

namespace samples {

namespace {

// What a mail program does to a long line.
constexpr std::size_t kMailLineLength = 76;

std::u32string wrapped(std::u32string_view text) {
    std::u32string lines;
    for (std::size_t at = 0; at < text.size(); at += kMailLineLength) {
        if (at != 0) {
            lines += U"\r\n";
        }
        lines += text.substr(at, kMailLineLength);
    }
    return lines;
}

}  // namespace

std::string_view wrongInputName(WrongInput kind) {
    switch (kind) {
        case WrongInput::PlainText:
            return "note decrypted by mistake";
        case WrongInput::SpaceBefore:
            return "cipher text, space before";
        case WrongInput::SpaceAfter:
            return "cipher text, space after";
        case WrongInput::TwoSpacesAfter:
            return "cipher text, two spaces after";
        case WrongInput::TabBefore:
            return "cipher text, tab before";
        case WrongInput::LineBreakAfter:
            return "cipher text, line break after";
        case WrongInput::WrappedAt76:
            return "cipher text wrapped at 76";
        case WrongInput::RandomText:
            return "random alphabet text";
    }
    return "?";
}

std::u32string decryptedAnyway(const cipher::TextCipher& cipher, std::u32string_view text) {
    return notes::decryptNote(cipher, text).text;
}

std::u32string wrongInputFor(const cipher::TextCipher& cipher, WrongInput kind,
                             const std::u32string& note) {
    if (kind == WrongInput::PlainText) {
        return note;
    }
    const std::u32string cipherText = cipherTextOf(cipher, note);
    switch (kind) {
        case WrongInput::SpaceBefore:
            return U" " + cipherText;
        case WrongInput::SpaceAfter:
            return cipherText + U" ";
        case WrongInput::TwoSpacesAfter:
            return cipherText + U"  ";
        case WrongInput::TabBefore:
            return U"\t" + cipherText;
        case WrongInput::LineBreakAfter:
            return cipherText + U"\r\n";
        case WrongInput::WrappedAt76:
            return cipherText.size() > kMailLineLength ? wrapped(cipherText) : std::u32string();
        default:
            return cipherText;
    }
}

std::vector<WrongSample> wrongSamples(const cipher::TextCipher& cipher, WrongInput kind) {
    std::vector<WrongSample> made;
    if (kind == WrongInput::RandomText) {
        std::mt19937 random(76);
        std::uniform_real_distribution<double> logLength(std::log(4.0),
                                                         std::log(cipher::kMaxTextLength));
        for (int index = 0; index < 300; ++index) {
            const auto length = static_cast<std::size_t>(std::lround(std::exp(logLength(random))));
            std::u32string input = alphabetText(cipher, length, random);
            std::u32string decryption = decryptedAnyway(cipher, input);
            made.push_back({std::move(input), std::move(decryption)});
        }
        return made;
    }
    for (const RealNote& note : realNotes()) {
        std::u32string input = wrongInputFor(cipher, kind, note.text);
        if (!input.empty()) {
            std::u32string decryption = decryptedAnyway(cipher, input);
            made.push_back({std::move(input), std::move(decryption)});
        }
    }
    return made;
}

}  // namespace samples
