// The formula parser: turns the text of one formula into its Polish (postfix) string and
// its token list in reading order, or reports where and why it stopped.
//
// Tokens: operators are the digits "1" and, "2" or, "3" not, "4"+variable forall,
// "5"+variable exists, "6" iff, "7" implies. Operands are single letters in propositional
// mode and a predicate letter followed by its variable ("Px") in the other modes.
#pragma once

#include <string>
#include <string_view>

#include "Mode.h"

namespace deducto {

inline constexpr int kMaxOpStack = 500;    // pending operators and "(" in one formula
inline constexpr int kMaxScopeVars = 100;  // predicate expressions and open quantifiers

struct ParseResult {
    std::string PolishStr;      // postfix tokens; empty when the parse failed
    std::string tokenList;      // tokens in reading order, for drawing
    int errPos = 0;             // characters before the error mark
    std::string parseErrMsg;    // empty when the failure is silent
    std::string scopeWarning;   // a warning only: the formula is accepted
    bool limitReached = false;  // the formula was too long or too deep to read
    [[nodiscard]] bool ok() const { return !PolishStr.empty(); }
};

enum class TokenKind { Invalid, Binary, Unary, Operand, Open, Close };

// Parses one formula typed in `mode`. Shows nothing; the caller reports parseErrMsg.
// Double negations are not yet removed: see RemoveDoubleNegations.
[[nodiscard]] ParseResult BuildPolish(std::string_view text, Mode mode);

// The class of one token, shared by the parser and the truth-table reader.
[[nodiscard]] TokenKind TokenClass(std::string_view token, Mode mode);

// 90 quantifiers, 80 not, 70 and, 60 or, 40 iff and implies, 0 anything else.
[[nodiscard]] int Precedence(std::string_view token);

// Removes every "33" from left to right without overlap, in one pass.
[[nodiscard]] std::string RemoveDoubleNegations(std::string_view polish);

// Length of the token that starts at `pos` of a Polish string (1 or 2 characters). Never
// reaches past the string: 1 for a last character that would start a pair, 0 at the end.
[[nodiscard]] int PolishTokenLength(std::string_view polish, size_t pos, Mode mode);

}  // namespace deducto
