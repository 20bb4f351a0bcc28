#pragma once

#include <cstddef>
#include <string>

namespace cipher {

// Writes a count the way messages show it: 4681 as "4,681".
std::string groupedNumber(std::size_t value);

}  // namespace cipher
