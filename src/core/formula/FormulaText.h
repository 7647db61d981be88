// What the parser and the set-theory translator share about reading typed text: the
// messages they show and the plain ASCII letter tests (accented letters are not letters).
#pragma once

namespace deducto {

inline constexpr const char* kInvalidCharacter = "Invalid character";
inline constexpr const char* kMissingLeftParen = "Missing left parenthesis";
inline constexpr const char* kMissingRightParen = "Missing right parenthesis";
inline constexpr const char* kMissingVariable = "Missing variable";

inline bool IsLower(char c) { return c >= 'a' && c <= 'z'; }
inline bool IsUpper(char c) { return c >= 'A' && c <= 'Z'; }
inline char AsciiLower(char c) { return IsUpper(c) ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace deducto
