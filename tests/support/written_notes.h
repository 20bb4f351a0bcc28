// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <string>

#include "real_notes.h"

namespace samples {

// A note written by hand, its line breaks written as line feeds.
struct WrittenNote {
    Language language;
    std::u32string text;
};

// Read from tests/data/written_notes/.
std::span<const WrittenNote> writtenNotes();

}  // namespace samples
