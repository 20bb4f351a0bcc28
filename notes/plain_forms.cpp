// SPDX-License-Identifier: MIT
#include "notes/plain_forms.h"

#include <algorithm>
#include <array>
#include <utility>

namespace notes {
namespace {

// Sorted by character, for a binary search.
constexpr std::array<std::pair<char32_t, std::u32string_view>, 28> kPlainForms = {{
    {0x00A0, U" "},    // no-break space
    {0x00B4, U"'"},    // acute accent, used as an apostrophe
    {0x2002, U" "},    // en space
    {0x2003, U" "},    // em space
    {0x2004, U" "},    // three-per-em space
    {0x2005, U" "},    // four-per-em space
    {0x2006, U" "},    // six-per-em space
    {0x2007, U" "},    // figure space
    {0x2008, U" "},    // punctuation space
    {0x2009, U" "},    // thin space
    {0x200A, U" "},    // hair space
    {0x2010, U"-"},    // hyphen
    {0x2011, U"-"},    // non-breaking hyphen
    {0x2012, U"-"},    // figure dash
    {0x2013, U"-"},    // en dash
    {0x2014, U"-"},    // em dash
    {0x2018, U"'"},    // left single quote
    {0x2019, U"'"},    // right single quote
    {0x201A, U"'"},    // low single quote
    {0x201C, U"\""},   // left double quote
    {0x201D, U"\""},   // right double quote
    {0x201E, U"\""},   // low double quote
    {0x2026, U"..."},  // ellipsis
    {0x202F, U" "},    // narrow no-break space
    {0x2032, U"'"},    // prime
    {0x2033, U"\""},   // double prime
    {0x2212, U"-"},    // minus sign
    {0x3000, U" "},    // ideographic space
}};

static_assert(std::is_sorted(kPlainForms.begin(), kPlainForms.end(),
                             [](const auto& a, const auto& b) { return a.first < b.first; }));

}  // namespace

std::optional<std::u32string_view> plainForm(char32_t character) {
    const auto found =
        std::lower_bound(kPlainForms.begin(), kPlainForms.end(), character,
                         [](const auto& entry, char32_t wanted) { return entry.first < wanted; });
    if (found == kPlainForms.end() || found->first != character) {
        return std::nullopt;
    }
    return found->second;
}

std::u32string withPlainForms(std::u32string_view text) {
    std::u32string plain;
    plain.reserve(text.size());
    for (char32_t character : text) {
        if (const auto form = plainForm(character)) {
            plain += *form;
        } else {
            plain += character;
        }
    }
    return plain;
}

}  // namespace notes
