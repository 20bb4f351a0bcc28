// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <cstddef>

// A count the way messages show it, in their language: 4681 as "4,681".
QString groupedNumber(std::size_t value);
