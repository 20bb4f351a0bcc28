// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "notes/character_codes.h"
#include "notes/encryption_plan.h"
#include "notes/outlook.h"

namespace cipher {
class TextCipher;
}

namespace notes {

// What the outlook needs to know of one line of a note (its text without
// the line break), counted once, when the line changes.
struct LineTally {
    std::size_t characters = 0;
    // Characters outside the alphabet.
    std::size_t outside = 0;
    std::size_t ampersands = 0;
    // How its ampersands read (see character_codes.h).
    AmpersandReading ampersandReading;
    // What the codes of its characters outside the alphabet add.
    std::size_t addedByOutsideCodes = 0;
    // Some character has a plain form.
    bool plainForms = false;
    // Its characters outside the alphabet and its ampersands, each kind once
    // in order of first appearance, as they would travel in a note that
    // needs codes. Without their codes, which the note looks up once for
    // each kind: a long note keeps a tally for each of its lines.
    struct Kind {
        char32_t character = 0;
        std::uint32_t count = 0;
        std::uint32_t codeLength = 0;
    };
    std::vector<Kind> kinds;
};

// A line of a note holds no line break (carriage return + line feed).
[[nodiscard]] LineTally tallyLine(const cipher::TextCipher& cipher, std::u32string_view line);
// Each line of a text, the text after its last line break included.
[[nodiscard]] std::vector<LineTally> tallyLines(const cipher::TextCipher& cipher,
                                                std::u32string_view text);

// What the codes of a whole note come to, added up over its lines.
struct CodeSummary {
    std::size_t outside = 0;
    AmpersandReading reading;
    std::size_t linesWithPlainForms = 0;
    // As they would travel if the note needs codes.
    CodedCharacters codes;

    [[nodiscard]] bool needsCodes() const {
        return outside != 0 || (reading.bare == 0 && reading.telling != 0);
    }
    // Adds a line's codes, or takes them away (by -1); each of its
    // kinds must be among codes.kinds already.
    void add(const LineTally& line, int sign);
};

// A note kept as the tallies of its lines, so that an edit recounts only the
// lines it touches and the outlook adds up the rest.
class NoteTally {
  public:
    NoteTally() = default;
    NoteTally(const cipher::TextCipher& cipher, std::u32string_view note);
    // The tallies of all the lines of a text.
    explicit NoteTally(std::vector<LineTally> wholeText);

    // Puts lines in place of `count` lines from line `first` on (0-based).
    void replaceLines(std::size_t first, std::size_t count, std::vector<LineTally> lines);
    [[nodiscard]] std::size_t lineCount() const { return lines.size(); }

    [[nodiscard]] bool needsCodes() const;
    // Whether the outlook works out the pieces of a note past the cipher's
    // limit too: that plans the whole note, which for a million characters
    // takes milliseconds rather than microseconds.
    enum class Pieces : std::uint8_t { WithinLimit, Always };

    // The same as outlookOf the note, which note() gives: it is read only
    // for a note whose ending or pieces are worked out from its text.
    [[nodiscard]] Outlook outlook(const cipher::TextCipher& cipher,
                                  const std::function<std::u32string()>& note,
                                  Pieces pieces = Pieces::WithinLimit) const;
    // The same with the pieces counted, from the plan of the note as it
    // stands, worked out already.
    [[nodiscard]] Outlook outlook(const EncryptionPlan& plan) const;

  private:
    // The outlook up to its ending and pieces, which a note too long for
    // them lacks.
    [[nodiscard]] Outlook lengthOutlook() const;
    static void countPieces(Outlook& outlook, const EncryptionPlan& plan);

    const CodeSummary& codeSummary() const;

    std::vector<LineTally> lines;
    std::size_t characters = 0;
    // Kept up to date line by line, and added up over the whole note again
    // only when the kinds of coded characters, or their order, may change.
    mutable std::optional<CodeSummary> summary;
};

}  // namespace notes
