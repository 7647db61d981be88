// What every reader of typed text shares: the messages the parser and the set-theory
// translator show, the plain ASCII letter tests (accented letters are not letters), trimming,
// keyword matching and character counting.
#pragma once

#include <string_view>

namespace deducto {

inline constexpr const char* kInvalidCharacter = "Invalid character";
inline constexpr const char* kMissingLeftParen = "Missing left parenthesis";
inline constexpr const char* kMissingRightParen = "Missing right parenthesis";
inline constexpr const char* kMissingVariable = "Missing variable";

inline bool IsLower(char c) { return c >= 'a' && c <= 'z'; }
inline bool IsUpper(char c) { return c >= 'A' && c <= 'Z'; }
inline char AsciiLower(char c) { return IsUpper(c) ? static_cast<char>(c - 'A' + 'a') : c; }

// `text` without the characters of `blanks` at either end (spaces unless told otherwise).
[[nodiscard]] constexpr std::string_view Trim(std::string_view text,
                                              std::string_view blanks = " ") {
    const size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

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

// Whether a byte of UTF-8 text continues a character begun before it.
[[nodiscard]] constexpr bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The number of characters (code points) of UTF-8 text: every byte that does not continue
// a character starts one.
[[nodiscard]] constexpr int CharacterCount(std::string_view utf8) {
    int count = 0;
    for (const char c : utf8) {
        if (!IsContinuationByte(c)) ++count;
    }
    return count;
}

}  // namespace deducto
