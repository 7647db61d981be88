// The formula parser: an operator-precedence parser with one operator stack. Operands go
// straight to the Polish string; operators wait on the stack until an operator of lower or
// equal precedence, a closing parenthesis or the end of the text releases them.
#include "modBuildPolish.h"

#include <algorithm>
#include <array>
#include <vector>

#include "formula/FormulaText.h"
#include "formula/Operators.h"
#include "text/Spacing.h"

namespace deducto {

namespace {

const char* const kOpStackFull =
    "Formula too deeply nested: more than 500 operators and parentheses are open at once";
const char* const kScopeVarsFull =
    "Formula too long: more than 100 predicate expressions and quantifiers";

bool IsQuantifierToken(std::string_view token) {
    return !token.empty() && op::IsQuantifier(token[0]);
}

struct Keyword {
    std::string_view word;
    char code;
    bool predicateOnly;  // the quantifiers are no keywords in propositional mode
};

// Tried in this order; the first match wins. No keyword needs a word boundary.
constexpr std::array<Keyword, 8> kKeywords{{{"and", op::kAnd, false},
                                            {"or", op::kOr, false},
                                            {"not", op::kNot, false},
                                            {"~", op::kNot, false},
                                            {"forall", op::kForall, true},
                                            {"exists", op::kExists, true},
                                            {"iff", op::kIff, false},
                                            {"implies", op::kImplies, false}}};

// Whether `token` is the one-character operator `code`.
bool IsOperator(std::string_view token, char code) { return token.size() == 1 && token[0] == code; }

// The working state of one parse. `i_` is the 0-based index of the character being read;
// a failure at index i reports errPos = i + 1, the characters up to and including it.
class PolishBuilder {
public:
    PolishBuilder(std::string_view text, Mode mode) : text_(text), mode_(mode) {}

    // A phase that fails leaves the failure in result_, and the parse ends there.
    ParseResult Run() {
        if (ReadTokens()) CloseAtEnd();
        return std::move(result_);
    }

private:
    // Reads the text token by token. False when a token was refused: the failure is then
    // in result_.
    bool ReadTokens() {
        size_t next = 0;
        while (next < text_.size()) {
            i_ = next;
            if (text_[i_] == ' ') {
                ++next;
                continue;
            }
            std::string token;
            if (!GetToken(token)) return FailLimit(kScopeVarsFull);
            const TokenKind kind = TokenClass(token, mode_);
            if (!Place(token, kind)) return false;
            result_.tokenList += token;
            previous_ = kind;
            next = i_ + 1;
        }
        return true;
    }

    bool AfterOperand() const {
        return previous_ == TokenKind::Operand || previous_ == TokenKind::Close;
    }

    // Puts one token where it belongs: an operand into the Polish string, an operator on the
    // stack once the operators it does not outrank are released, and a ")" releases every
    // operator back to its "(". Each kind must follow, or not follow, an operand.
    bool Place(std::string& token, TokenKind kind) {
        switch (kind) {
            case TokenKind::Binary:
                if (!AfterOperand()) return Fail("");
                ReleaseOperators(Precedence(token));
                return PushOp(token);
            case TokenKind::Unary:
                if (AfterOperand()) return Fail("");
                if (token.size() == 1 && op::IsQuantifier(token[0]) &&
                    !CheckQuantifierVariable(token)) {
                    return quantifierLimit_ ? FailLimit(quantifierMsg_) : Fail(quantifierMsg_);
                }
                return PushOp(token);
            case TokenKind::Operand:
                if (AfterOperand()) return Fail("");
                result_.PolishStr += token;
                return true;
            case TokenKind::Open:
                if (AfterOperand()) return Fail("");
                return PushOp(token);
            case TokenKind::Close:
                if (!AfterOperand()) return Fail("");
                return CloseGroup();
            case TokenKind::Invalid:
                break;
        }
        return Fail(kInvalidCharacter);
    }

    // Emits the operators above the innermost "(" whose precedence is at least `precedence`.
    void ReleaseOperators(int precedence) {
        while (!opStack_.empty() && opStack_.back() != "(" &&
               Precedence(opStack_.back()) >= precedence) {
            Emit(opStack_.back());
            opStack_.pop_back();
        }
    }

    // A ")": emits the operators back to its "(" and drops that.
    bool CloseGroup() {
        while (!opStack_.empty()) {
            std::string top = std::move(opStack_.back());
            opStack_.pop_back();
            if (top == "(") return true;
            Emit(top);
        }
        return Fail(kMissingLeftParen);
    }

    // At the end the text must close on an operand or ")"; the operators left are emitted,
    // and a "(" among them was never closed.
    bool CloseAtEnd() {
        i_ = text_.size();
        if (!AfterOperand()) return FailAtEnd("");
        while (!opStack_.empty()) {
            std::string top = std::move(opStack_.back());
            opStack_.pop_back();
            if (top == "(") return FailAtEnd(kMissingRightParen);
            Emit(top);
        }
        return true;
    }

    // Reads the token that starts at i_ (not a space) and leaves i_ on its last character.
    // False when a predicate expression would overflow scopeVars.
    bool GetToken(std::string& token) {
        const bool predicateType = IsPredicateType(mode_);
        for (const Keyword& k : kKeywords) {
            if (k.predicateOnly && !predicateType) continue;
            // The English translator writes its keywords in lower case and its predicates in
            // upper case, so there "Or" is the predicate O of r, never the keyword "or".
            const bool matches = mode_ == Mode::Natural ? text_.substr(i_, k.word.size()) == k.word
                                                        : MatchesKeyword(text_, i_, k.word);
            if (matches) {
                token.assign(1, k.code);
                i_ += k.word.size() - 1;
                return true;
            }
        }
        token.assign(1, text_[i_]);
        if (predicateType && IsUpper(text_[i_])) {
            // A predicate letter takes the next character whatever it is; TokenClass decides
            // whether it is a variable. At the very end there is no next character, and the
            // lone letter is then an invalid token.
            if (i_ + 1 >= text_.size()) return true;
            ++i_;
            token += text_[i_];
            if (!PushScopeVar(text_[i_])) return false;
        }
        return true;
    }

    // On the last character of a quantifier keyword: appends the bound variable to `token`.
    // The variable may be wrapped in parentheses, "forall (x) Px", which are then not tokens.
    bool CheckQuantifierVariable(std::string& token) {
        size_t p = i_ + 1;
        int open = 0;
        while (p < text_.size() && (text_[p] == ' ' || text_[p] == '(')) {
            if (text_[p] == '(') ++open;
            ++p;
        }
        if (p >= text_.size() || !IsLower(text_[p])) {
            i_ = p;
            quantifierMsg_ = kMissingVariable;
            return false;
        }
        const char variable = text_[p];
        if (IsScopeVar(variable)) {
            result_.scopeWarning =
                std::string("Meaning of variable ") + variable + " is scope-dependent.";
        }
        token += variable;
        if (!PushScopeVar(variable)) {
            i_ = p;
            quantifierMsg_ = kScopeVarsFull;
            quantifierLimit_ = true;
            return false;
        }
        ++p;
        while (open > 0) {
            if (p >= text_.size() || (text_[p] != ' ' && text_[p] != ')')) {
                i_ = p;
                quantifierMsg_ = "";
                return false;
            }
            if (text_[p] == ')') --open;
            ++p;
        }
        i_ = p - 1;
        return true;
    }

    bool IsScopeVar(char variable) const {
        return std::find(scopeVars_.begin(), scopeVars_.end(), variable) != scopeVars_.end();
    }

    void RemoveScopeVar(char variable) {
        const auto found = std::find(scopeVars_.begin(), scopeVars_.end(), variable);
        if (found != scopeVars_.end()) scopeVars_.erase(found);
    }

    bool PushScopeVar(char variable) {
        if (static_cast<int>(scopeVars_.size()) >= kMaxScopeVars) return false;
        scopeVars_.push_back(variable);
        return true;
    }

    bool PushOp(const std::string& token) {
        if (static_cast<int>(opStack_.size()) >= kMaxOpStack) return FailLimit(kOpStackFull);
        opStack_.push_back(token);
        return true;
    }

    // Emitting a quantifier closes its scope.
    void Emit(const std::string& entry) {
        if (IsQuantifierToken(entry) && entry.size() == 2) RemoveScopeVar(entry[1]);
        result_.PolishStr += entry;
    }

    // Failure at the character i_: the mark goes just after it, never past the text. Each
    // returns false, for its caller to return.
    bool Fail(std::string_view message) {
        result_.errPos = static_cast<int>(std::min(i_ + 1, text_.size()));
        return Failed(message);
    }
    bool FailAtEnd(std::string_view message) {
        result_.errPos = static_cast<int>(text_.size());
        return Failed(message);
    }
    // A failure at a limit of the parser's own, not a mistake in the text.
    bool FailLimit(std::string_view message) {
        result_.limitReached = true;
        return Fail(message);
    }
    bool Failed(std::string_view message) {
        result_.parseErrMsg = message;
        result_.PolishStr.clear();
        return false;
    }

    std::string_view text_;
    Mode mode_;
    size_t i_ = 0;
    // The kind of the last token read; Invalid before the first, since an invalid token
    // ends the parse at once.
    TokenKind previous_ = TokenKind::Invalid;
    std::vector<std::string> opStack_;
    std::vector<char> scopeVars_;
    std::string quantifierMsg_;
    bool quantifierLimit_ = false;  // quantifierMsg_ names a limit
    ParseResult result_;
};

}  // namespace

ParseResult BuildPolish(std::string_view text, Mode mode) {
    return PolishBuilder(text, mode).Run();
}

TokenKind TokenClass(std::string_view token, Mode mode) {
    if (token.empty()) return TokenKind::Invalid;
    if (IsOperator(token, op::kNot)) return TokenKind::Unary;
    if (IsQuantifierToken(token)) {
        // Propositional tables have no quantifiers: there "4" and "5" are plain mistakes.
        return IsPredicateType(mode) ? TokenKind::Unary : TokenKind::Invalid;
    }
    if (token.size() == 1 && op::IsBinary(token[0])) return TokenKind::Binary;
    if (token == "(") return TokenKind::Open;
    if (token == ")") return TokenKind::Close;
    if (IsPredicateType(mode)) {
        if (token.size() == 2 && IsLower(token[1])) return TokenKind::Operand;
    } else if (token.size() == 1 && (IsLower(token[0]) || IsUpper(token[0]))) {
        return TokenKind::Operand;
    }
    return TokenKind::Invalid;
}

int Precedence(std::string_view token) {
    if (IsQuantifierToken(token)) return 90;
    if (IsOperator(token, op::kNot)) return 80;
    if (IsOperator(token, op::kAnd)) return 70;
    if (IsOperator(token, op::kOr)) return 60;
    if (IsOperator(token, op::kIff) || IsOperator(token, op::kImplies)) return 40;
    return 0;
}

std::string RemoveDoubleNegations(std::string_view polish) {
    std::string out;
    out.reserve(polish.size());
    size_t k = 0;
    while (k < polish.size()) {
        if (polish[k] == op::kNot && k + 1 < polish.size() && polish[k + 1] == op::kNot) {
            k += 2;
        } else {
            out += polish[k];
            ++k;
        }
    }
    return out;
}

int PolishTokenLength(std::string_view polish, size_t pos, Mode mode) {
    if (pos >= polish.size()) return 0;
    const char first = polish[pos];
    const bool twoChars = IsPredicateType(mode) && (op::IsQuantifier(first) || IsUpper(first));
    return twoChars && pos + 1 < polish.size() ? 2 : 1;
}

}  // namespace deducto
