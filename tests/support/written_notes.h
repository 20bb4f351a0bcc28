// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <string_view>

#include "real_notes.h"

namespace samples {

// A note written by hand, its line breaks written as line feeds.
struct WrittenNote {
    Language language;
    std::u32string_view text;
};

std::span<const WrittenNote> writtenNotes();

}  // namespace samples
