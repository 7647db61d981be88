// Spaces in typed text: trimming, and the single spacing that sentences and term forms are
// kept in.
#pragma once

#include <string>
#include <string_view>

namespace deducto {

// `text` without the characters of `blanks` at either end (spaces unless told otherwise).
[[nodiscard]] constexpr std::string_view Trim(std::string_view text,
                                              std::string_view blanks = " ") {
    const size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

// Collapses runs of spaces and drops spaces before "." and ","; leading and trailing
// spaces are trimmed, or with keepEnds shrunk to one.
[[nodiscard]] std::string NormaliseSpacing(std::string_view text, bool keepEnds = false);

}  // namespace deducto
