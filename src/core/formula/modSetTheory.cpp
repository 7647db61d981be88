// The set-theory translator. A line is first rebuilt as space-separated canonical tokens
// (the complement of a group becomes a "[" before it), then translated statement by
// statement: a set letter becomes a predicate letter applied to a variable, set operations
// become connectives, and inclusion and equality become quantified conditionals and
// biconditionals over a fresh variable. The empty set is "not U", U being the universal set.
#include "modSetTheory.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <optional>
#include <vector>

#include "formula/FormulaText.h"
#include "text/Spacing.h"

namespace deducto {

namespace {

const char* const kTooManyStatements = "Too many inclusions and equalities: at most 15 in one line";
const char* const kTooManyOpenParens = "Too many nested parentheses: at most 121 open at once";
const char* const kNoVariableLeft =
    "Too many variables: no letter is left for an inclusion or equality";

// Placeholder variables, one per inclusion or equality, replaced by real letters at the end
// once every element variable of the line is known. None of them can occur in a translation.
constexpr std::string_view kPlaceholders = "123456789!@#$%^";
static_assert(kPlaceholders.size() == kMaxPlaceholders);
constexpr std::string_view kVarPool = "xyzwtuvpqrsabcdefghijklmno";

// Token classes.
constexpr char kOpen = '4';
constexpr char kClose = '5';
constexpr char kEmptySet = 'N';
constexpr char kIntersection = 'I';
constexpr char kDifference = 'M';
constexpr char kUnion = 'U';
constexpr char kComplement = 'C';
constexpr char kBelongs = 'B';
constexpr char kSubset = 's';
constexpr char kEquals = 'Q';
constexpr char kPrefix = '2';
constexpr char kConnective = '1';
constexpr char kElement = 'O';
constexpr char kSetName = 'S';
constexpr char kGroupComplement = '[';
constexpr char kEnd = 'E';
constexpr char kInvalid = '\0';

struct Word {
    std::string_view text;
    char cls;
    std::string_view readAs;
    std::string_view display;
};

// Tried in this order; words are matched without regard to case and need no boundary.
constexpr std::array<Word, 22> kWords{{{"(", kOpen, "(", "("},
                                       {")", kClose, ")", ")"},
                                       {"nullset", kEmptySet, "0", "0"},
                                       {"0", kEmptySet, "0", "0"},
                                       {"intersection", kIntersection, ".", "."},
                                       {".", kIntersection, ".", "."},
                                       {"-", kDifference, "-", "-"},
                                       {"union", kUnion, "+", "+"},
                                       {"+", kUnion, "+", "+"},
                                       {"'", kComplement, "'", "'"},
                                       {"belongs", kBelongs, "belongs", "@"},
                                       {"subset", kSubset, "subset", "<"},
                                       {"<", kSubset, "subset", "<"},
                                       {"=", kEquals, "=", "="},
                                       {"not", kPrefix, "not", "3"},
                                       {"exists", kPrefix, "exists", "5"},
                                       {"forall", kPrefix, "forall", "4"},
                                       {"~", kPrefix, "not", "3"},
                                       {"and", kConnective, "and", "1"},
                                       {"iff", kConnective, "iff", "6"},
                                       {"implies", kConnective, "implies", "7"},
                                       {"or", kConnective, "or", "2"}}};

struct SetToken {
    char cls = kInvalid;
    std::string_view readAs;   // canonical text; a letter is itself
    std::string_view display;  // display token; a letter is itself
    size_t length = 0;         // characters it takes in the text
};

// The token that starts at `at` (not a space).
SetToken TokenAt(std::string_view text, size_t at) {
    if (at >= text.size()) return {kEnd, "", "", 0};
    for (const Word& w : kWords) {
        if (MatchesKeyword(text, at, w.text)) return {w.cls, w.readAs, w.display, w.text.size()};
    }
    const std::string_view letter = text.substr(at, 1);
    if (IsLower(text[at])) return {kElement, letter, letter, 1};
    if (IsUpper(text[at])) return {kSetName, letter, letter, 1};
    if (text[at] == '[') return {kGroupComplement, letter, "", 1};
    return {kInvalid, "", "", 1};
}

// The working state of one translation. pos_ is the 0-based index of the next character;
// errPos counts the characters up to and including the token where reading stopped.
class SetTranslator {
public:
    explicit SetTranslator(std::string_view line)
        : line_(Trim(line)), lead_(std::min(line.find_first_not_of(' '), line.size())) {}

    SetTranslation Run() {
        setText_ = std::string(line_);
        PrepareSetText();
        if (!setError_) TranslateSentence();
        if (!setError_) AssignVariables();

        SetTranslation result;
        result.setDisplayTokens = std::move(setDisplayTokens_);
        if (setError_) {
            const size_t typed = prepared_ ? TypedPosition(errPos_) : errPos_;
            // The line is read trimmed; the mark goes into it as typed.
            result.errPos = static_cast<int>(lead_ + std::min(typed, line_.size()));
            result.limitReached = limitReached_;
            result.setErrMsg = std::move(setErrMsg_);
            return result;
        }
        result.text = std::string(Trim(setOutput_));
        return result;
    }

private:
    void SkipSpaces() {
        while (pos_ < setText_.size() && setText_[pos_] == ' ') ++pos_;
    }

    char PeekSetToken() {
        SkipSpaces();
        return TokenAt(setText_, pos_).cls;
    }

    // Consumes the next token and returns its canonical text; "" at the end. A character
    // outside the vocabulary is not consumed and stops the translation.
    std::string ReadSetToken() {
        SkipSpaces();
        const SetToken token = TokenAt(setText_, pos_);
        if (token.cls == kInvalid) {
            FailAtNext("");
            return {};
        }
        pos_ += token.length;
        if (token.cls == kElement) {
            // A letter the line uses is never handed out for an inclusion or equality.
            const size_t at = setVarPool_.find(token.readAs[0]);
            if (at != std::string::npos) setVarPool_[at] = ' ';
        }
        return std::string(token.readAs);
    }

    // Failure on the token just consumed: the mark goes right after it.
    void Fail(std::string_view message) {
        if (setError_) return;
        setError_ = true;
        setErrMsg_ = message;
        errPos_ = pos_;
    }

    // A failure at a limit of the translator's own, not a mistake in the text.
    void FailLimit(std::string_view message) {
        if (setError_) return;
        Fail(message);
        limitReached_ = true;
    }

    // Failure on the token that has not been consumed: the mark goes right after it, or at
    // the end of the line when the text ran out.
    void FailAtNext(std::string_view message) {
        if (setError_) return;
        SkipSpaces();
        if (pos_ >= setText_.size()) {
            FailAtEnd(message);
            return;
        }
        const size_t length = std::max<size_t>(TokenAt(setText_, pos_).length, 1);
        setError_ = true;
        setErrMsg_ = message;
        errPos_ = pos_ + length;
    }

    void FailAtEnd(std::string_view message) {
        if (setError_) return;
        setError_ = true;
        setErrMsg_ = message;
        errPos_ = setText_.size();
    }

    // Where a position of the prepared text lies in the typed line: a mark just after a
    // prepared token goes just after the typed token it came from, a mark before a prepared
    // token (after the space that separates it) just before the typed token.
    size_t TypedPosition(size_t preparedPos) const {
        if (preparedPos == 0) return 0;
        for (const Span& span : spans_) {
            if (preparedPos <= span.preparedStart) return span.typedStart;
            if (preparedPos <= span.preparedEnd) return span.typedEnd;
        }
        return line_.size();
    }

    // Rebuilds the line as space-separated canonical tokens and collects the display tokens.
    // Complement marks stay glued to their set ("A''"); the complement of a group becomes a
    // "[" in front of the group. The "[" are counted per token and written out at the end, so
    // a long run of complement marks costs no more than any other token.
    void PrepareSetText() {
        struct Prepared {
            std::string text;
            int complements = 0;  // "[" written before it
            size_t typedStart = 0;
            size_t typedEnd = 0;
        };
        std::vector<Prepared> rebuilt;
        std::vector<size_t> openParens;    // tokens of the "(" still open
        std::optional<size_t> lastClosed;  // token of the "(" of the group closed last
        bool setSeen = false;

        pos_ = 0;
        while (!setError_) {
            const char cls = PeekSetToken();
            if (cls == kEnd) break;
            if (cls == kGroupComplement) {
                // "[" only ever marks a complemented group internally.
                FailAtNext(kInvalidCharacter);
                break;
            }
            const SetToken token = TokenAt(setText_, pos_);
            const size_t typedStart = pos_;
            std::string canonical = ReadSetToken();
            if (setError_) break;
            setDisplayTokens_ += token.display;
            switch (cls) {
                case kSetName:
                case kEmptySet: {
                    setSeen = true;
                    // Looking for complement marks passes the spaces after the set; its typed
                    // text ends with the last character read.
                    size_t typedEnd = pos_;
                    while (PeekSetToken() == kComplement) {
                        (void)ReadSetToken();
                        canonical += '\'';
                        setDisplayTokens_ += '\'';
                        typedEnd = pos_;
                    }
                    rebuilt.push_back({std::move(canonical), 0, typedStart, typedEnd});
                    break;
                }
                case kOpen:
                    if (static_cast<int>(openParens.size()) >= kMaxOpenSetParens) {
                        FailLimit(kTooManyOpenParens);
                        break;
                    }
                    openParens.push_back(rebuilt.size());
                    rebuilt.push_back({std::move(canonical), 0, typedStart, pos_});
                    break;
                case kClose:
                    if (openParens.empty()) {
                        Fail("");
                        break;
                    }
                    lastClosed = openParens.back();
                    openParens.pop_back();
                    rebuilt.push_back({std::move(canonical), 0, typedStart, pos_});
                    break;
                case kComplement:
                    if (!setSeen || !lastClosed) {
                        Fail("");
                        break;
                    }
                    ++rebuilt[*lastClosed].complements;
                    break;
                default:
                    rebuilt.push_back({std::move(canonical), 0, typedStart, pos_});
                    break;
            }
        }

        setText_.clear();
        for (const Prepared& p : rebuilt) {
            if (!setText_.empty()) setText_ += ' ';
            // A "[" stands for the complement marks after the group: it maps to the group.
            for (int k = 0; k < p.complements; ++k) {
                spans_.push_back(
                    {setText_.size(), setText_.size() + 1, p.typedStart, p.typedStart});
                setText_ += "[ ";
            }
            spans_.push_back(
                {setText_.size(), setText_.size() + p.text.size(), p.typedStart, p.typedEnd});
            setText_ += p.text;
        }
        prepared_ = !setError_;
    }

    void TranslateSentence() {
        setOutput_.clear();
        pos_ = 0;
        int depth = 0;
        int openBefore = 0;  // "(" read since the last word, ")" or statement
        while (!setError_) {
            const char cls = PeekSetToken();
            if (cls == kEnd) break;
            if (cls == kConnective || cls == kPrefix) {
                const std::string word = ReadSetToken();
                setOutput_ += ' ' + word + ' ';
                if (word == "forall" || word == "exists") CopyQuantifierVariable();
                openBefore = 0;
            } else if (cls == kOpen) {
                (void)ReadSetToken();
                ++depth;
                setOutput_ += " (";
                ++openBefore;
            } else if (cls == kClose) {
                (void)ReadSetToken();
                if (--depth < 0) {
                    Fail(kMissingLeftParen);
                    break;
                }
                setOutput_ += " )";
                openBefore = 0;
            } else {
                const size_t before = pos_;
                depth -= TranslateStatement(openBefore);
                openBefore = 0;
                // Every statement reads at least one token or fails; guard the loop anyway.
                if (!setError_ && pos_ == before) FailAtNext("");
            }
        }
        if (!setError_ && depth > 0) FailAtEnd(kMissingRightParen);
    }

    // Returns the number of "(" read before the statement that its first set expression
    // closed, and so took into the statement.
    int TranslateStatement(int openBefore) {
        const char cls = PeekSetToken();
        if (cls == kConnective || cls == kEnd) {
            FailAtNext("");
            return 0;
        }
        std::string text;
        int claimed = 0;
        if (cls == kElement) {
            const char element = ReadSetToken()[0];
            if (ReadSetToken() != "belongs") {
                Fail("");
                return 0;
            }
            int none = 0;
            const std::optional<std::string> set = TranslateSetExpr(0, none);
            if (!set) return 0;
            text = InstantiateSetExpr(*set, element);
        } else {
            const std::optional<std::string> first = TranslateSetExpr(openBefore, claimed);
            if (!first) return 0;
            for (int k = 0; k < claimed; ++k) {
                while (!setOutput_.empty() && setOutput_.back() == ' ') setOutput_.pop_back();
                assert(!setOutput_.empty() && setOutput_.back() == '(');
                if (!setOutput_.empty()) setOutput_.pop_back();
            }
            const std::string relation = ReadSetToken();
            if (relation != "subset" && relation != "=") {
                Fail("");
                return 0;
            }
            int none = 0;
            const std::optional<std::string> second = TranslateSetExpr(0, none);
            if (!second) return 0;
            const std::optional<char> v = NewPlaceholder();
            if (!v) {
                FailLimit(kTooManyStatements);
                return 0;
            }
            text = std::string("forall ") + *v + " (" + std::string(claimed, '(') +
                   InstantiateSetExpr(*first, *v) + (relation == "subset" ? " implies " : " iff ") +
                   InstantiateSetExpr(*second, *v) + ") ";
        }
        setOutput_ += '(' + text + ')';
        return claimed;
    }

    // The template of one set expression: predicate text whose set letters still lack their
    // variable. A ")" beyond the expression's own groups may close one of the `claimable`
    // "(" read before the statement; `claimed` counts those.
    std::optional<std::string> TranslateSetExpr(int claimable, int& claimed) {
        std::string tmpl;
        int depth = 0;
        for (bool more = true; more && !setError_;) {
            switch (PeekSetToken()) {
                case kSetName: {
                    const std::string name = ReadSetToken();
                    for (int k = CountComplements(); k > 0; --k) tmpl += " not";
                    tmpl += ' ' + name;
                    break;
                }
                case kEmptySet:
                    (void)ReadSetToken();
                    tmpl += CountComplements() % 2 == 0 ? " not U" : " U";
                    break;
                case kGroupComplement:
                    (void)ReadSetToken();
                    tmpl += " not";
                    break;
                case kOpen:
                    (void)ReadSetToken();
                    tmpl += " (";
                    ++depth;
                    break;
                case kClose:
                    if (depth > 0) {
                        --depth;
                    } else if (claimed < claimable) {
                        ++claimed;
                    } else {
                        more = false;
                        break;
                    }
                    (void)ReadSetToken();
                    tmpl += " )";
                    break;
                case kIntersection:
                    (void)ReadSetToken();
                    tmpl += " and";
                    break;
                case kUnion:
                    (void)ReadSetToken();
                    tmpl += " or";
                    break;
                case kDifference:
                    (void)ReadSetToken();
                    tmpl += " and not";
                    break;
                default:
                    more = false;
                    break;
            }
        }
        if (setError_) return std::nullopt;
        std::string trimmed(Trim(tmpl));
        if (trimmed.empty()) {
            FailAtNext("");
            return std::nullopt;
        }
        if (depth > 0) {
            FailAtNext(kMissingRightParen);
            return std::nullopt;
        }
        return trimmed;
    }

    int CountComplements() {
        int k = 0;
        while (PeekSetToken() == kComplement) {
            (void)ReadSetToken();
            ++k;
        }
        return k;
    }

    // Every set letter of the template gets the variable: "not A and B", x -> "not Ax and Bx".
    static std::string InstantiateSetExpr(std::string_view tmpl, char v) {
        std::string out;
        out.reserve(tmpl.size() * 2);
        for (const char c : tmpl) {
            out += c;
            if (IsUpper(c)) out += v;
        }
        return out;
    }

    std::optional<char> NewPlaceholder() {
        if (nbrPlaceholders_ >= kMaxPlaceholders) return std::nullopt;
        return kPlaceholders[nbrPlaceholders_++];
    }

    // Copies the variable after "forall" or "exists", which may stand in parentheses. It is
    // read directly, so a quantified variable is not taken out of the variable pool here.
    void CopyQuantifierVariable() {
        size_t p = pos_;
        int open = 0;
        while (p < setText_.size() && (setText_[p] == ' ' || setText_[p] == '(')) {
            if (setText_[p] == '(') ++open;
            ++p;
        }
        pos_ = p;
        if (p >= setText_.size() || !IsLower(setText_[p])) {
            FailAtNext(kMissingVariable);
            return;
        }
        setOutput_ += ' ';
        setOutput_ += setText_[p];
        ++p;
        while (open > 0) {
            if (p >= setText_.size()) {
                pos_ = p;
                Fail(kMissingVariable);
                return;
            }
            if (setText_[p] == ')') {
                --open;
            } else if (setText_[p] != ' ') {
                pos_ = p;
                FailAtNext(kMissingRightParen);
                return;
            }
            ++p;
        }
        pos_ = p;
    }

    // Gives placeholder k the k-th letter of the pool that the line does not use itself.
    void AssignVariables() {
        size_t next = 0;
        for (int k = 0; k < nbrPlaceholders_; ++k) {
            while (next < setVarPool_.size() && setVarPool_[next] == ' ') ++next;
            if (next >= setVarPool_.size()) {
                FailAtEnd(kNoVariableLeft);
                return;
            }
            const char letter = setVarPool_[next++];
            for (char& c : setOutput_) {
                if (c == kPlaceholders[static_cast<size_t>(k)]) c = letter;
            }
        }
    }

    // Where each token of the prepared text came from in the typed line.
    struct Span {
        size_t preparedStart, preparedEnd;
        size_t typedStart, typedEnd;
    };

    std::string_view line_;  // the line, trimmed
    size_t lead_;            // spaces before it
    std::string setText_;    // the line, then the prepared text
    bool prepared_ = false;  // setText_ is the prepared text; positions need TypedPosition
    std::vector<Span> spans_;
    size_t pos_ = 0;
    std::string setOutput_;
    bool setError_ = false;
    bool limitReached_ = false;  // the failure was at one of the translator's limits
    std::string setErrMsg_;
    size_t errPos_ = 0;
    int nbrPlaceholders_ = 0;
    std::string setVarPool_{kVarPool};
    std::string setDisplayTokens_;
};

}  // namespace

SetTranslation TranslateSetTheory(std::string_view line) { return SetTranslator(line).Run(); }

}  // namespace deducto
