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

INSTANTIATE_TEST_SUITE_P(PrecedenceAndGrouping, BuildPolishEncodes,
                         testing::Values(Encoding{"(r and k) implies p", P, "rk1p7", "(r1k)7p"},
                                         Encoding{"p and q implies r", P, "pq1r7", "p1q7r"},
                                         Encoding{"(p or q) and r", P, "pq2r1", "(p2q)1r"},
                                         Encoding{"~(p or q)", P, "pq23", "3(p2q)"},
                                         Encoding{"not p or q", P, "p3q2", "3p2q"},
                                         Encoding{"p and q and r", P, "pq1r1", "p1q1r"},
                                         Encoding{"p or q and r", P, "pqr12", "p2q1r"},
                                         Encoding{"p implies q iff r", P, "pq7r6", "p7q6r"},
                                         Encoding{"p implies q implies r", P, "pq7r7", "p7q7r"},
                                         Encoding{"p and not q or r", P, "pq31r2", "p13q2r"},
                                         Encoding{"((p))", P, "p", "((p))"},
                                         Encoding{"P and p", P, "Pp1", "P1p"}));

INSTANTIATE_TEST_SUITE_P(
    KeywordsAndCase, BuildPolishEncodes,
    testing::Values(Encoding{"not p", P, "p3", "3p"}, Encoding{"~p", P, "p3", "3p"},
                    Encoding{"NOT p", P, "p3", "3p"}, Encoding{"Not p", P, "p3", "3p"},
                    Encoding{"p AND q", P, "pq1", "p1q"}, Encoding{"p And q", P, "pq1", "p1q"},
                    Encoding{"pandq", P, "pq1", "p1q"}, Encoding{"p IFF q", P, "pq6", "p6q"},
                    Encoding{"p Implies q", P, "pq7", "p7q"},
                    Encoding{"p 1 q 7 3 r", P, "pq1r37", "p1q73r"},
                    Encoding{"FORALL x Px", Q, "Px4x", "4xPx"},
                    Encoding{"Exists y Py", Q, "Py5y", "5yPy"},
                    Encoding{"4x Px", Q, "Px4x", "4xPx"}));

INSTANTIATE_TEST_SUITE_P(
    Quantifiers, BuildPolishEncodes,
    testing::Values(Encoding{"forall x (Px implies Qx)", Q, "PxQx74x", "4x(Px7Qx)"},
                    Encoding{"forall x Px implies Qx", Q, "Px4xQx7", "4xPx7Qx"},
                    Encoding{"forall x Px and Qx", Q, "Px4xQx1", "4xPx1Qx"},
                    Encoding{"exists y (Fy and not Gy)", Q, "FyGy315y", "5y(Fy13Gy)"},
                    Encoding{"Px and Qy", Q, "PxQy1", "Px1Qy"},
                    Encoding{"forall (x) Px", Q, "Px4x", "4xPx"},
                    Encoding{"forall ( (x ) ) Px", Q, "Px4x", "4xPx"},
                    Encoding{"forall x(Px)", Q, "Px4x", "4x(Px)"},
                    Encoding{"not exists x exists y (Wx and Wy and Mx and Fy)", Q,
                             "WxWy1Mx1Fy15y5x3", "35x5y(Wx1Wy1Mx1Fy)"},
                    Encoding{"Fm and Wm", Mode::Natural, "FmWm1", "Fm1Wm"},
                    Encoding{"forall x ((Px) implies (Mx))", Mode::SetTheory, "PxMx74x",
                             "4x((Px)7(Mx))"}));

struct Warning {
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
    testing::Values(Warning{"forall x Px", ""}, Warning{"forall x (Px and Qx)", ""},
                    Warning{"forall x Px and exists y Qy", ""},
                    Warning{"forall x Px and exists x Qx",
                            "Meaning of variable x is scope-dependent."},
                    Warning{"Py and forall y Qy", "Meaning of variable y is scope-dependent."},
                    Warning{"forall z exists z Pz", "Meaning of variable z is scope-dependent."},
                    Warning{"forall x (Ax implies Mx) or forall x (Ax implies Fx)",
                            "Meaning of variable x is scope-dependent."},
                    // The last offending quantifier names its variable.
                    Warning{"Px and Qy and forall x Rx and forall y Sy",
                            "Meaning of variable y is scope-dependent."}));

TEST(ScopeWarning, SurvivesALaterFailure) {
    const ParseResult r = BuildPolish("Px and forall x Qx and", Mode::Predicate);
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(r.scopeWarning, "Meaning of variable x is scope-dependent.");
    EXPECT_EQ(r.tokenList, "Px14xQx1");
}

struct Failure {
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
    testing::Values(Failure{"", P, 0, ""}, Failure{"   ", P, 3, ""}, Failure{"p q", P, 3, ""},
                    Failure{"p and and q", P, 9, ""}, Failure{"p and", P, 5, ""},
                    Failure{"and p", P, 3, ""}, Failure{"p (q)", P, 3, ""},
                    Failure{"(p) q", P, 5, ""}, Failure{"p not q", P, 5, ""},
                    Failure{"()", P, 2, ""}, Failure{"(p", P, 2, "Missing right parenthesis"},
                    Failure{"p)", P, 2, "Missing left parenthesis"},
                    Failure{"(p and q))", P, 10, "Missing left parenthesis"},
                    Failure{"((p) and q", P, 10, "Missing right parenthesis"},
                    Failure{"p $ q", P, 3, "Invalid character"},
                    Failure{"p and 8", P, 7, "Invalid character"},
                    Failure{"p\tq", P, 2, "Invalid character"},
                    // forall is no keyword here: f, or, a, then a second operand.
                    Failure{"forall", P, 5, ""}));

// Propositional tables cannot evaluate quantifiers, so a typed "4" or "5" is a mistake there.
INSTANTIATE_TEST_SUITE_P(QuantifierDigitsInPropositionalMode, BuildPolishFails,
                         testing::Values(Failure{"4", P, 1, "Invalid character"},
                                         Failure{"5x p", P, 1, "Invalid character"},
                                         Failure{"p and 4p", P, 7, "Invalid character"}));

INSTANTIATE_TEST_SUITE_P(
    PredicateMistakes, BuildPolishFails,
    testing::Values(
        Failure{"forall Px", Q, 8, "Missing variable"}, Failure{"forall", Q, 6, "Missing variable"},
        Failure{"exists (( 5", Q, 11, "Missing variable"}, Failure{"forall (x Px", Q, 11, ""},
        Failure{"forall (x", Q, 9, ""}, Failure{"forall x", Q, 8, ""},
        Failure{"Px forall x Qx", Q, 9, ""}, Failure{"x", Q, 1, "Invalid character"},
        Failure{"P", Q, 1, "Invalid character"}, Failure{"Px and Q", Q, 8, "Invalid character"},
        Failure{"P x", Q, 2, "Invalid character"}, Failure{"P1", Q, 2, "Invalid character"},
        Failure{"Px Qx", Q, 5, ""}));

INSTANTIATE_TEST_SUITE_P(UnusualBytes, BuildPolishFails,
                         testing::Values(Failure{"p and \xC3\xA9", P, 7, "Invalid character"},
                                         Failure{std::string("p\0q", 3), P, 2, "Invalid character"},
                                         Failure{"P\xC3\xA9", Q, 2, "Invalid character"},
                                         Failure{"\xFF", Q, 1, "Invalid character"},
                                         Failure{"Px and P\x7F", Q, 9, "Invalid character"}));

struct DoubleNegation {
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

INSTANTIATE_TEST_SUITE_P(Negations, DoubleNegations,
                         testing::Values(DoubleNegation{"~~p", P, "p"},
                                         DoubleNegation{"not not p", P, "p"},
                                         DoubleNegation{"~~~p", P, "p3"},
                                         DoubleNegation{"~~~~p", P, "p"},
                                         DoubleNegation{"not (not p and q)", P, "p3q13"},
                                         DoubleNegation{"not not p and not not not q", P, "pq31"},
                                         DoubleNegation{"not not forall x not not Px", Q, "Px4x"},
                                         DoubleNegation{"not (not Px)", Q, "Px"}));

TEST(DoubleNegations, TokenListKeepsThem) { EXPECT_EQ(BuildPolish("~~p", P).tokenList, "33p"); }

struct Length {
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

INSTANTIATE_TEST_SUITE_P(
    Boundaries, PolishTokens,
    testing::Values(Length{"PxQx74x", 0, Q, 2}, Length{"PxQx74x", 4, Q, 1},
                    Length{"PxQx74x", 5, Q, 2}, Length{"Pq1", 0, P, 1}, Length{"Pq1", 2, Q, 1},
                    Length{"Px4", 2, Q, 1},  // a pair cut short never reaches past the end
                    Length{"Px", 2, Q, 0}));

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
