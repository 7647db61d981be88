// What every reader of typed formulas shares: the messages the parser and the set-theory
// translator show, the plain ASCII letter tests (accented letters are not letters) and
// keyword matching. Trimming and character counting, which every reader needs too, come
// with the text module.
#pragma once

#include <string_view>

#include "text/Spacing.h"
#include "text/Utf8.h"

namespace deducto {

inline constexpr const char* kInvalidCharacter = "Invalid character";
inline constexpr const char* kMissingLeftParen = "Missing left parenthesis";
inline constexpr const char* kMissingRightParen = "Missing right parenthesis";
inline constexpr const char* kMissingVariable = "Missing variable";

inline bool IsLower(char c) { return c >= 'a' && c <= 'z'; }
inline bool IsUpper(char c) { return c >= 'A' && c <= 'Z'; }
inline char AsciiLower(char c) { return IsUpper(c) ? static_cast<char>(c - 'A' + 'a') : c; }

// Whether the lower-case keyword `word` stands at `at` of `text`, in any case. Keywords
// need no word boundary.
[[nodiscard]] constexpr bool MatchesKeyword(std::string_view text, size_t at,
                                            std::string_view word) {
    if (at > text.size() || text.size() - at < word.size()) return false;
    for (size_t k = 0; k < word.size(); ++k) {
        if (AsciiLower(text[at + k]) != word[k]) return false;
    }
    return true;
}

}  // namespace deducto
