// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <cstddef>

// A note of the given length with a line break after about every 60
// characters and, spread evenly, the given number of characters outside
// the alphabet (letters of the five languages, a tab, a typographic quote).
QString noteOf(std::size_t length, std::size_t outside);
