// The formula parser: encodings, token lists, scope warnings, failures and their marks,
// double negations and the stack limits.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "formula/modBuildPolish.h"

namespace deducto {
namespace {

std::string Repeat(std::string_view piece, int times) {
    std::string out;
    for (int k = 0; k < times; ++k) out += piece;
    return out;
}

struct Encoding {
    const char* name;
    const char* text;
    Mode mode;
    const char* polish;
    const char* tokens;
};
void PrintTo(const Encoding& c, std::ostream* os) { *os << c.text; }

class BuildPolishEncodes : public testing::TestWithParam<Encoding> {};

TEST_P(BuildPolishEncodes, WritesPostfixAndReadingOrder) {
    const Encoding& e = GetParam();
    const ParseResult r = BuildPolish(e.text, e.mode);
    EXPECT_TRUE(r.ok()) << e.text << " stopped at " << r.errPos << ": " << r.parseErrMsg;
    EXPECT_EQ(r.PolishStr, e.polish) << e.text;
    EXPECT_EQ(r.tokenList, e.tokens) << e.text;
    EXPECT_EQ(r.parseErrMsg, "") << e.text;
}

constexpr Mode P = Mode::Propositional;
constexpr Mode Q = Mode::Predicate;

INSTANTIATE_TEST_SUITE_P(
    PrecedenceAndGrouping, BuildPolishEncodes,
    testing::Values(
        Encoding{"GroupedAndBeforeImplies", "(r and k) implies p", P, "rk1p7", "(r1k)7p"},
        Encoding{"AndBindsBeforeImplies", "p and q implies r", P, "pq1r7", "p1q7r"},
        Encoding{"GroupedOrBeforeAnd", "(p or q) and r", P, "pq2r1", "(p2q)1r"},
        Encoding{"NegatedGroup", "~(p or q)", P, "pq23", "3(p2q)"},
        Encoding{"NotBindsTightest", "not p or q", P, "p3q2", "3p2q"},
        Encoding{"AndGroupsFromTheLeft", "p and q and r", P, "pq1r1", "p1q1r"},
        Encoding{"AndBindsBeforeOr", "p or q and r", P, "pqr12", "p2q1r"},
        Encoding{"ImpliesBindsBeforeIff", "p implies q iff r", P, "pq7r6", "p7q6r"},
        Encoding{"ImpliesGroupsFromTheLeft", "p implies q implies r", P, "pq7r7", "p7q7r"},
        Encoding{"NotInsideAChain", "p and not q or r", P, "pq31r2", "p13q2r"},
        Encoding{"RedundantParentheses", "((p))", P, "p", "((p))"},
        Encoding{"CapitalIsAnotherLetter", "P and p", P, "Pp1", "P1p"}),
    [](const auto& row) { return std::string(row.param.name); });

INSTANTIATE_TEST_SUITE_P(
    KeywordsAndCase, BuildPolishEncodes,
    testing::Values(Encoding{"NotWord", "not p", P, "p3", "3p"},
                    Encoding{"Tilde", "~p", P, "p3", "3p"},
                    Encoding{"NotUpperCase", "NOT p", P, "p3", "3p"},
                    Encoding{"NotCapitalised", "Not p", P, "p3", "3p"},
                    Encoding{"AndUpperCase", "p AND q", P, "pq1", "p1q"},
                    Encoding{"AndCapitalised", "p And q", P, "pq1", "p1q"},
                    Encoding{"AndWithoutSpaces", "pandq", P, "pq1", "p1q"},
                    Encoding{"IffUpperCase", "p IFF q", P, "pq6", "p6q"},
                    Encoding{"ImpliesCapitalised", "p Implies q", P, "pq7", "p7q"},
                    Encoding{"OperatorDigitsTyped", "p 1 q 7 3 r", P, "pq1r37", "p1q73r"},
                    Encoding{"ForAllUpperCase", "FORALL x Px", Q, "Px4x", "4xPx"},
                    Encoding{"ExistsCapitalised", "Exists y Py", Q, "Py5y", "5yPy"},
                    Encoding{"QuantifierDigitTyped", "4x Px", Q, "Px4x", "4xPx"}),
    [](const auto& row) { return std::string(row.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Quantifiers, BuildPolishEncodes,
    testing::Values(
        Encoding{"ScopeOverGroup", "forall x (Px implies Qx)", Q, "PxQx74x", "4x(Px7Qx)"},
        Encoding{"ScopeOverOneAtomBeforeImplies", "forall x Px implies Qx", Q, "Px4xQx7",
                 "4xPx7Qx"},
        Encoding{"ScopeOverOneAtomBeforeAnd", "forall x Px and Qx", Q, "Px4xQx1", "4xPx1Qx"},
        Encoding{"ExistsOverGroup", "exists y (Fy and not Gy)", Q, "FyGy315y", "5y(Fy13Gy)"},
        Encoding{"FreeVariables", "Px and Qy", Q, "PxQy1", "Px1Qy"},
        Encoding{"VariableInParentheses", "forall (x) Px", Q, "Px4x", "4xPx"},
        Encoding{"VariableInNestedParentheses", "forall ( (x ) ) Px", Q, "Px4x", "4xPx"},
        Encoding{"NoSpaceBeforeGroup", "forall x(Px)", Q, "Px4x", "4x(Px)"},
        Encoding{"NegatedNestedExists", "not exists x exists y (Wx and Wy and Mx and Fy)", Q,
                 "WxWy1Mx1Fy15y5x3", "35x5y(Wx1Wy1Mx1Fy)"},
        Encoding{"NaturalLanguageConstants", "Fm and Wm", Mode::Natural, "FmWm1", "Fm1Wm"},
        Encoding{"SetTheoryQuantifier", "forall x ((Px) implies (Mx))", Mode::SetTheory, "PxMx74x",
                 "4x((Px)7(Mx))"}),
    [](const auto& row) { return std::string(row.param.name); });

struct Warning {
    const char* name;
    const char* text;
    const char* warning;
};
void PrintTo(const Warning& c, std::ostream* os) { *os << c.text; }

class ScopeWarning : public testing::TestWithParam<Warning> {};

TEST_P(ScopeWarning, FlagsAQuantifierWhoseVariableIsInUse) {
    const Warning& w = GetParam();
    const ParseResult r = BuildPolish(w.text, Mode::Predicate);
    EXPECT_TRUE(r.ok()) << w.text;
    EXPECT_EQ(r.scopeWarning, w.warning) << w.text;
}

INSTANTIATE_TEST_SUITE_P(
    Variables, ScopeWarning,
    testing::Values(Warning{"OneQuantifier", "forall x Px", ""},
                    Warning{"VariableUsedInScope", "forall x (Px and Qx)", ""},
                    Warning{"TwoVariables", "forall x Px and exists y Qy", ""},
                    Warning{"SameVariableQuantifiedTwice", "forall x Px and exists x Qx",
                            "Meaning of variable x is scope-dependent."},
                    Warning{"FreeThenQuantified", "Py and forall y Qy",
                            "Meaning of variable y is scope-dependent."},
                    Warning{"NestedSameVariable", "forall z exists z Pz",
                            "Meaning of variable z is scope-dependent."},
                    Warning{"WorkedExampleScopes",
                            "forall x (Ax implies Mx) or forall x (Ax implies Fx)",
                            "Meaning of variable x is scope-dependent."},
                    // The last offending quantifier names its variable.
                    Warning{"LastOffenderNamed", "Px and Qy and forall x Rx and forall y Sy",
                            "Meaning of variable y is scope-dependent."}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(ScopeWarning, SurvivesALaterFailure) {
    const ParseResult r = BuildPolish("Px and forall x Qx and", Mode::Predicate);
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(r.scopeWarning, "Meaning of variable x is scope-dependent.");
    EXPECT_EQ(r.tokenList, "Px14xQx1");
}

struct Failure {
    const char* name;
    std::string text;
    Mode mode;
    int errPos;
    const char* message;
};
void PrintTo(const Failure& c, std::ostream* os) { *os << c.text; }

class BuildPolishFails : public testing::TestWithParam<Failure> {};

TEST_P(BuildPolishFails, MarksWhereTheParseStopped) {
    const Failure& f = GetParam();
    const ParseResult r = BuildPolish(f.text, f.mode);
    EXPECT_FALSE(r.ok()) << f.text;
    EXPECT_EQ(r.PolishStr, "") << f.text;
    EXPECT_EQ(r.errPos, f.errPos) << f.text;
    EXPECT_EQ(r.parseErrMsg, f.message) << f.text;
}

INSTANTIATE_TEST_SUITE_P(
    TypingMistakes, BuildPolishFails,
    testing::Values(Failure{"Empty", "", P, 0, ""}, Failure{"Blank", "   ", P, 3, ""},
                    Failure{"TwoLetters", "p q", P, 3, ""},
                    Failure{"DoubleAnd", "p and and q", P, 9, ""},
                    Failure{"MissingRightOperand", "p and", P, 5, ""},
                    Failure{"MissingLeftOperand", "and p", P, 3, ""},
                    Failure{"LetterBeforeGroup", "p (q)", P, 3, ""},
                    Failure{"GroupBeforeLetter", "(p) q", P, 5, ""},
                    Failure{"NotBetweenOperands", "p not q", P, 5, ""},
                    Failure{"EmptyParentheses", "()", P, 2, ""},
                    Failure{"Unclosed", "(p", P, 2, "Missing right parenthesis"},
                    Failure{"Unopened", "p)", P, 2, "Missing left parenthesis"},
                    Failure{"ExtraClosing", "(p and q))", P, 10, "Missing left parenthesis"},
                    Failure{"ExtraOpening", "((p) and q", P, 10, "Missing right parenthesis"},
                    Failure{"DollarSign", "p $ q", P, 3, "Invalid character"},
                    Failure{"DigitEight", "p and 8", P, 7, "Invalid character"},
                    Failure{"Tab", "p\tq", P, 2, "Invalid character"},
                    // forall is no keyword here: f, or, a, then a second operand.
                    Failure{"ForallIsNoKeyword", "forall", P, 5, ""}),
    [](const auto& row) { return std::string(row.param.name); });

// Propositional tables cannot evaluate quantifiers, so a typed "4" or "5" is a mistake there.
INSTANTIATE_TEST_SUITE_P(
    QuantifierDigitsInPropositionalMode, BuildPolishFails,
    testing::Values(Failure{"ForAllDigitAlone", "4", P, 1, "Invalid character"},
                    Failure{"ExistsDigitWithVariable", "5x p", P, 1, "Invalid character"},
                    Failure{"ForAllDigitInsideChain", "p and 4p", P, 7, "Invalid character"}),
    [](const auto& row) { return std::string(row.param.name); });

INSTANTIATE_TEST_SUITE_P(
    PredicateMistakes, BuildPolishFails,
    testing::Values(Failure{"ForAllWithoutVariable", "forall Px", Q, 8, "Missing variable"},
                    Failure{"ForAllAlone", "forall", Q, 6, "Missing variable"},
                    Failure{"ExistsParenthesesWithoutVariable", "exists (( 5", Q, 11,
                            "Missing variable"},
                    Failure{"UnclosedVariableParenthesis", "forall (x Px", Q, 11, ""},
                    Failure{"UnclosedAtEnd", "forall (x", Q, 9, ""},
                    Failure{"QuantifierWithoutFormula", "forall x", Q, 8, ""},
                    Failure{"QuantifierAfterAtom", "Px forall x Qx", Q, 9, ""},
                    Failure{"VariableAlone", "x", Q, 1, "Invalid character"},
                    Failure{"PredicateAlone", "P", Q, 1, "Invalid character"},
                    Failure{"PredicateWithoutVariableAtEnd", "Px and Q", Q, 8, "Invalid character"},
                    Failure{"SpaceInsideAtom", "P x", Q, 2, "Invalid character"},
                    Failure{"DigitAsVariable", "P1", Q, 2, "Invalid character"},
                    Failure{"TwoAtoms", "Px Qx", Q, 5, ""}),
    [](const auto& row) { return std::string(row.param.name); });

INSTANTIATE_TEST_SUITE_P(
    UnusualBytes, BuildPolishFails,
    testing::Values(Failure{"AccentedLetter", "p and \xC3\xA9", P, 7, "Invalid character"},
                    Failure{"NulByte", std::string("p\0q", 3), P, 2, "Invalid character"},
                    Failure{"AccentedVariable", "P\xC3\xA9", Q, 2, "Invalid character"},
                    Failure{"InvalidUtf8Byte", "\xFF", Q, 1, "Invalid character"},
                    Failure{"DeleteCharacter", "Px and P\x7F", Q, 9, "Invalid character"}),
    [](const auto& row) { return std::string(row.param.name); });

struct DoubleNegation {
    const char* name;
    const char* text;
    Mode mode;
    const char* polish;  // after removing double negations
};
void PrintTo(const DoubleNegation& c, std::ostream* os) { *os << c.text; }

class DoubleNegations : public testing::TestWithParam<DoubleNegation> {};

TEST_P(DoubleNegations, VanishInPairs) {
    const DoubleNegation& d = GetParam();
    const ParseResult r = BuildPolish(d.text, d.mode);
    ASSERT_TRUE(r.ok()) << d.text;
    EXPECT_EQ(RemoveDoubleNegations(r.PolishStr), d.polish) << d.text;
}

INSTANTIATE_TEST_SUITE_P(
    Negations, DoubleNegations,
    testing::Values(DoubleNegation{"TwoTildes", "~~p", P, "p"},
                    DoubleNegation{"TwoNotWords", "not not p", P, "p"},
                    DoubleNegation{"ThreeTildes", "~~~p", P, "p3"},
                    DoubleNegation{"FourTildes", "~~~~p", P, "p"},
                    DoubleNegation{"NegationsApart", "not (not p and q)", P, "p3q13"},
                    DoubleNegation{"PairAndTriple", "not not p and not not not q", P, "pq31"},
                    DoubleNegation{"AroundAndInsideQuantifier", "not not forall x not not Px", Q,
                                   "Px4x"},
                    DoubleNegation{"AcrossParentheses", "not (not Px)", Q, "Px"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(DoubleNegations, TokenListKeepsThem) { EXPECT_EQ(BuildPolish("~~p", P).tokenList, "33p"); }

struct Length {
    const char* name;
    const char* polish;
    size_t pos;
    Mode mode;
    int length;
};
void PrintTo(const Length& c, std::ostream* os) { *os << c.polish << " at " << c.pos; }

class PolishTokens : public testing::TestWithParam<Length> {};

TEST_P(PolishTokens, FollowTheBoundaryRule) {
    const Length& l = GetParam();
    EXPECT_EQ(PolishTokenLength(l.polish, l.pos, l.mode), l.length) << l.polish << " @" << l.pos;
}

INSTANTIATE_TEST_SUITE_P(Boundaries, PolishTokens,
                         testing::Values(Length{"PredicateAtom", "PxQx74x", 0, Q, 2},
                                         Length{"OperatorDigit", "PxQx74x", 4, Q, 1},
                                         Length{"Quantifier", "PxQx74x", 5, Q, 2},
                                         Length{"PropositionalCapital", "Pq1", 0, P, 1},
                                         Length{"OperatorDigitInPredicateMode", "Pq1", 2, Q, 1},
                                         Length{"PairCutShort", "Px4", 2, Q,
                                                1},  // a pair cut short never reaches past the end
                                         Length{"PastTheEnd", "Px", 2, Q, 0}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(TokenClass, QuantifiersExistOnlyInPredicateTypeModes) {
    for (const Mode mode : {Mode::Predicate, Mode::SetTheory, Mode::Natural}) {
        EXPECT_EQ(TokenClass("4x", mode), TokenKind::Unary);
        EXPECT_EQ(TokenClass("Px", mode), TokenKind::Operand);
        EXPECT_EQ(TokenClass("p", mode), TokenKind::Invalid);
    }
    EXPECT_EQ(TokenClass("4x", P), TokenKind::Invalid);
    EXPECT_EQ(TokenClass("5", P), TokenKind::Invalid);
    EXPECT_EQ(TokenClass("p", P), TokenKind::Operand);
    EXPECT_EQ(TokenClass("Px", P), TokenKind::Invalid);
    EXPECT_EQ(TokenClass("\xC3", P), TokenKind::Invalid);
}

// Both sides of each limit, and far beyond them.
TEST(Limits, OperatorStackHoldsFiveHundred) {
    const ParseResult atLimit = BuildPolish(Repeat("(", 500) + "p" + Repeat(")", 500), P);
    EXPECT_TRUE(atLimit.ok());
    const ParseResult over = BuildPolish(Repeat("(", 501) + "p" + Repeat(")", 501), P);
    EXPECT_FALSE(over.ok());
    EXPECT_EQ(over.errPos, 501);
    EXPECT_THAT(over.parseErrMsg, testing::HasSubstr("500"));

    EXPECT_EQ(BuildPolish(Repeat("~", 500) + "p", P).PolishStr, "p" + Repeat("3", 500));
    EXPECT_FALSE(BuildPolish(Repeat("~", 501) + "p", P).ok());
}

TEST(Limits, ScopeHoldsOneHundredVariables) {
    const std::string hundred = "Ax" + Repeat(" and Ax", 99);
    EXPECT_TRUE(BuildPolish(hundred, Q).ok());
    const ParseResult over = BuildPolish(hundred + " and Ax", Q);
    EXPECT_FALSE(over.ok());
    EXPECT_EQ(over.errPos, static_cast<int>(hundred.size()) + 7);
    EXPECT_THAT(over.parseErrMsg, testing::HasSubstr("100"));

    // Open quantifiers count too.
    EXPECT_TRUE(BuildPolish(Repeat("forall x ", 99) + "Px", Q).ok());
    const ParseResult quantifiers = BuildPolish(Repeat("forall x ", 100) + "Px", Q);
    EXPECT_FALSE(quantifiers.ok());
    EXPECT_THAT(quantifiers.parseErrMsg, testing::HasSubstr("100"));
}

TEST(Limits, VeryLongAndDeepTextsStopInOrder) {
    const ParseResult deep = BuildPolish(Repeat("(", 100000), P);
    EXPECT_FALSE(deep.ok());
    EXPECT_EQ(deep.errPos, 501);

    const std::string longChain = "p" + Repeat(" and p", 50000);
    EXPECT_EQ(BuildPolish(longChain, P).PolishStr.size(), 100001U);
}

TEST(Robustness, EveryByteValueIsRead) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    for (const Mode mode : {P, Q, Mode::SetTheory, Mode::Natural}) {
        for (size_t start = 0; start < all.size(); ++start) {
            const std::string text = all.substr(start, 3);
            const ParseResult r = BuildPolish(text, mode);
            EXPECT_GE(r.errPos, 0);
            EXPECT_LE(r.errPos, static_cast<int>(text.size()));
        }
    }
}

}  // namespace
}  // namespace deducto
