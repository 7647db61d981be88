// The set-theory translator: turns a statement about sets ("A subset B",
// "x belongs A union B'") into predicate-calculus text for the parser, and builds a token
// list in set notation for drawing.
#pragma once

#include <string>
#include <string_view>

namespace deducto {

inline constexpr int kMaxPlaceholders = 15;    // inclusions and equalities in one line
inline constexpr int kMaxOpenSetParens = 121;  // "(" open at once while preparing

struct SetTranslation {
    std::string text;              // predicate-calculus text; empty when the line failed
    std::string setDisplayTokens;  // tokens in set notation, replacing the parser's list
    int errPos = 0;                // in the line as given: just after the token where
                                   // reading stopped
    std::string setErrMsg;         // empty when the failure is silent
    bool limitReached = false;     // the line was too long or too deep to read
    [[nodiscard]] bool ok() const { return !text.empty(); }
};

// Translates one set-theory line. Shows nothing; the caller reports setErrMsg.
[[nodiscard]] SetTranslation TranslateSetTheory(std::string_view line);

}  // namespace deducto
