// The set-theory translator: translations and what the parser makes of them, display tokens,
// synonyms, the choice of quantified variables, failures and limits.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "formula/modBuildPolish.h"
#include "formula/modSetTheory.h"

namespace deducto {
namespace {

std::string Repeat(std::string_view piece, int times) {
    std::string out;
    for (int k = 0; k < times; ++k) out += piece;
    return out;
}

// The Polish string the line's table is built from.
std::string PolishOf(const SetTranslation& t) {
    return RemoveDoubleNegations(BuildPolish(t.text, Mode::SetTheory).PolishStr);
}

struct Translation {
    const char* name;
    const char* line;
    const char* text;
    const char* display;
    const char* polish;
};
void PrintTo(const Translation& c, std::ostream* os) { *os << c.line; }

class TranslateSetTheoryWrites : public testing::TestWithParam<Translation> {};

TEST_P(TranslateSetTheoryWrites, PredicateTextAndSetNotation) {
    const Translation& t = GetParam();
    const SetTranslation r = TranslateSetTheory(t.line);
    EXPECT_TRUE(r.ok()) << t.line << " stopped at " << r.errPos << ": " << r.setErrMsg;
    EXPECT_EQ(r.text, t.text) << t.line;
    EXPECT_EQ(r.setDisplayTokens, t.display) << t.line;
    EXPECT_EQ(PolishOf(r), t.polish) << t.line;
}

INSTANTIATE_TEST_SUITE_P(
    Statements, TranslateSetTheoryWrites,
    testing::Values(
        Translation{"Subset", "A subset B", "(forall x (Ax implies Bx) )", "A<B", "AxBx74x"},
        Translation{"Equality", "A = B'", "(forall x (Ax iff not Bx) )", "A=B'", "AxBx364x"},
        Translation{"Union", "x belongs A union B", "(Ax or Bx)", "x@A+B", "AxBx2"},
        Translation{"Difference", "y belongs A - B", "(Ay and not By)", "y@A-B", "AyBy31"},
        Translation{"EmptyIntersection", "A intersection B = nullset",
                    "(forall x (Ax and Bx iff not Ux) )", "A.B=0", "AxBx1Ux364x"},
        Translation{"ComplementOfGroup", "x belongs (A union B)'", "(not ( Ax or Bx ))", "x@(A+B)'",
                    "AxBx23"},
        Translation{"GroupedSubset", "(A union B) subset C", "(forall x ((Ax or Bx ) implies Cx) )",
                    "(A+B)<C", "AxBx2Cx74x"},
        Translation{"WholeLineGrouped", "((A union B) subset C)",
                    "( (forall x ((Ax or Bx ) implies Cx) ) )", "((A+B)<C)", "AxBx2Cx74x"},
        Translation{"SubsetInParentheses", "(A subset B)", "((forall x (Ax implies Bx) ) )",
                    "(A<B)", "AxBx74x"},
        Translation{"DoubleComplement", "A'' subset B", "(forall x (not not Ax implies Bx) )",
                    "A''<B", "AxBx74x"},
        Translation{"ComplementOfEmptySet", "0' = A", "(forall x (Ux iff Ax) )", "0'=A", "UxAx64x"},
        Translation{"NestedComplements", "x belongs ((A)')'", "(not ( not ( Ax ) ))", "x@((A)')'",
                    "Ax"},
        Translation{"TripleComplement", "x belongs (A)'''", "(not not not ( Ax ))", "x@(A)'''",
                    "Ax3"},
        Translation{"QuantifiedMembership", "forall (x) x belongs A", "forall  x(Ax)", "4(x)x@A",
                    "Ax4x"}),
    [](const auto& row) { return std::string(row.param.name); });

// The set-theory lines of the quadrilaterals example.
INSTANTIATE_TEST_SUITE_P(
    Quadrilaterals, TranslateSetTheoryWrites,
    testing::Values(
        Translation{"DisjointSets", "P intersection T = nullset",
                    "(forall x (Px and Tx iff not Ux) )", "P.T=0", "PxTx1Ux364x"},
        Translation{"SubsetAndWitness", "H subset P and exists h (h belongs H and h belongs R')",
                    "(forall x (Hx implies Px) ) and  exists  h ((Hh) and (not Rh) )",
                    "H<P15h(h@H1h@R')", "HxPx74xHhRh315h1"},
        Translation{"Intersection", "S = H.R", "(forall x (Sx iff Hx and Rx) )", "S=H.R",
                    "SxHxRx164x"},
        Translation{"FigureIsASquare", "f belongs S", "(Sf)", "f@S", "Sf"},
        Translation{"FigureIsNoTrapezoid", "not f belongs T", "not (Tf)", "3f@T", "Tf3"}),
    [](const auto& row) { return std::string(row.param.name); });

struct Synonyms {
    const char* name;
    const char* line;
    const char* same;
};
void PrintTo(const Synonyms& c, std::ostream* os) { *os << c.line; }

class SetVocabulary : public testing::TestWithParam<Synonyms> {};

TEST_P(SetVocabulary, SymbolsWordsAndCaseAgree) {
    const Synonyms& s = GetParam();
    const SetTranslation a = TranslateSetTheory(s.line);
    const SetTranslation b = TranslateSetTheory(s.same);
    EXPECT_TRUE(a.ok()) << s.line;
    EXPECT_EQ(a.text, b.text) << s.line << " / " << s.same;
    EXPECT_EQ(a.setDisplayTokens, b.setDisplayTokens) << s.line << " / " << s.same;
}

INSTANTIATE_TEST_SUITE_P(
    Words, SetVocabulary,
    testing::Values(Synonyms{"IntersectionSigns", "A intersection B = nullset", "A.B=0"},
                    Synonyms{"UnionAndSubsetSigns", "A union B subset C", "A+B<C"},
                    Synonyms{"TildeForNot", "~ x belongs A", "not x belongs A"},
                    Synonyms{"UpperCaseWords", "A UNION B Subset C", "A union B subset C"},
                    Synonyms{"CapitalisedWords", "NOT x BELONGS A Implies x Belongs B",
                             "not x belongs A implies x belongs B"},
                    Synonyms{"OuterSpaces", "  A subset B  ", "A subset B"},
                    Synonyms{"SpacedPrimes", "A ' ' subset B", "A'' subset B"}),
    [](const auto& row) { return std::string(row.param.name); });

struct Assignment {
    const char* name;
    const char* line;
    const char* text;
};
void PrintTo(const Assignment& c, std::ostream* os) { *os << c.line; }

class AssignVariables : public testing::TestWithParam<Assignment> {};

TEST_P(AssignVariables, SkipLettersTheLineUses) {
    const Assignment& a = GetParam();
    const SetTranslation r = TranslateSetTheory(a.line);
    EXPECT_EQ(r.text, a.text) << a.line;
    EXPECT_FALSE(PolishOf(r).empty()) << a.line;
}

INSTANTIATE_TEST_SUITE_P(
    Letters, AssignVariables,
    testing::Values(Assignment{"TwoInclusions", "A subset B and C = D",
                               "(forall x (Ax implies Bx) ) and (forall y (Cy iff Dy) )"},
                    Assignment{"MemberBeforeInclusion", "x belongs A and A subset B",
                               "(Ax) and (forall y (Ay implies By) )"},
                    Assignment{"MemberAfterInclusion", "A subset B and x belongs A",
                               "(forall y (Ay implies By) ) and (Ax)"},
                    Assignment{"TwoMembersBeforeInclusion",
                               "x belongs A and z belongs B and A subset B",
                               "(Ax) and (Bz) and (forall y (Ay implies By) )"},
                    Assignment{"QuantifiedBeforeInclusion", "exists x (x belongs A) and A subset B",
                               "exists  x ((Ax) ) and (forall y (Ay implies By) )"}),
    [](const auto& row) { return std::string(row.param.name); });

struct Failure {
    const char* name;
    std::string line;
    int errPos;
    const char* message;
};
void PrintTo(const Failure& c, std::ostream* os) { *os << c.line; }

class TranslateSetTheoryFails : public testing::TestWithParam<Failure> {};

TEST_P(TranslateSetTheoryFails, MarksWhereReadingStopped) {
    const Failure& f = GetParam();
    const SetTranslation r = TranslateSetTheory(f.line);
    EXPECT_FALSE(r.ok()) << f.line;
    EXPECT_EQ(r.text, "") << f.line;
    EXPECT_EQ(r.errPos, f.errPos) << f.line;
    EXPECT_EQ(r.setErrMsg, f.message) << f.line;
}

INSTANTIATE_TEST_SUITE_P(
    Mistakes, TranslateSetTheoryFails,
    testing::Values(
        Failure{"Empty", "", 0, ""}, Failure{"DollarSign", "A $ B", 3, ""},
        Failure{"Bracket", "A [ B", 3, "Invalid character"},
        Failure{"UnopenedParenthesis", "A subset B)", 11, ""},
        Failure{"UnclosedParenthesis", "(A subset B", 11, "Missing right parenthesis"},
        Failure{"UnclosedAfterBelongs", "x belongs (A union B", 20, "Missing right parenthesis"},
        Failure{"MemberWithoutBelongs", "x A", 3, ""},
        Failure{"BelongsWithoutSet", "x belongs", 9, ""}, Failure{"TwoSets", "A B", 3, ""},
        Failure{"SubsetWithoutSet", "A subset", 8, ""},
        Failure{"ChainedSubsets", "A subset B subset C", 17, ""},
        Failure{"LeadingPrime", "' A", 1, ""},
        Failure{"PrimeWithoutSet", "x belongs A'' - '", 17, ""},
        Failure{"ForAllWithoutVariable", "forall A", 8, "Missing variable"},
        Failure{"ForAllOpenParenthesis", "forall (", 8, "Missing variable"},
        Failure{"ExistsUnclosedVariable", "exists (x", 9, "Missing variable"},
        Failure{"ForAllUnclosedBeforeSet", "forall (x A", 11, "Missing right parenthesis"},
        Failure{"AccentedLetter", "x belongs \xC3\xA9", 11, ""},
        Failure{"NulByte", std::string("A\0B", 3), 2, ""},
        // Reading after the line was rewritten still marks the typed text.
        Failure{"SpacesKeptInMark", "x    A", 6, ""}, Failure{"TrailingSet", "A union B B", 11, ""},
        Failure{"TrailingUnion", "A intersection B union", 22, ""},
        Failure{"UnclosedAfterEquals", "(A union B)' = (C", 17, "Missing right parenthesis"}),
    [](const auto& row) { return std::string(row.param.name); });

// The mark goes right after the token where reading stopped, in the line as it was typed:
// neither the spaces after a set name nor those before the line move it.
struct TypedMark {
    const char* name;
    const char* line;
    int errPos;
    const char* message;
};
void PrintTo(const TypedMark& row, std::ostream* os) { *os << row.name; }

class TranslateSetTheoryMarks : public testing::TestWithParam<TypedMark> {};

TEST_P(TranslateSetTheoryMarks, JustAfterTheTokenAsTyped) {
    const TypedMark& m = GetParam();
    const SetTranslation r = TranslateSetTheory(m.line);
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(r.errPos, m.errPos);
    EXPECT_EQ(r.setErrMsg, m.message);
}

INSTANTIATE_TEST_SUITE_P(
    TypedText, TranslateSetTheoryMarks,
    testing::Values(
        TypedMark{"SetNameForAVariable", "forall A subset B", 8, "Missing variable"},
        TypedMark{"SetNameBeforeTwoSpaces", "forall A  subset B", 8, "Missing variable"},
        TypedMark{"ComplementedSetName", "forall A'' subset B", 10, "Missing variable"},
        TypedMark{"ComplementMarksApart", "forall A ' ' subset B", 12, "Missing variable"},
        TypedMark{"EmptySetForAVariable", "exists nullset = A", 14, "Missing variable"},
        TypedMark{"SetNameForBelongs", "x A  B", 3, ""},
        TypedMark{"SpacesBeforeTheLine", "   A B", 6, ""},
        TypedMark{"SpacesBeforeAQuantifier", "  forall A subset B", 10, "Missing variable"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(SetLimits, FifteenInclusionsAndEqualities) {
    const std::string fifteen = "A subset B" + Repeat(" and A = B", 14);
    const SetTranslation ok = TranslateSetTheory(fifteen);
    EXPECT_THAT(ok.text, testing::HasSubstr("forall d (Ad iff Bd)"));
    EXPECT_FALSE(PolishOf(ok).empty());

    const SetTranslation over = TranslateSetTheory(fifteen + " and A subset B");
    EXPECT_FALSE(over.ok());
    EXPECT_THAT(over.setErrMsg, testing::HasSubstr("15"));
    EXPECT_FALSE(TranslateSetTheory(Repeat("A subset B and ", 1000) + "A subset B").ok());
}

TEST(SetLimits, OneHundredTwentyOneOpenParentheses) {
    const SetTranslation ok =
        TranslateSetTheory(Repeat("(", 121) + "x belongs A" + Repeat(")", 121));
    EXPECT_EQ(PolishOf(ok), "Ax");

    const SetTranslation over =
        TranslateSetTheory(Repeat("(", 122) + "x belongs A" + Repeat(")", 122));
    EXPECT_FALSE(over.ok());
    EXPECT_EQ(over.errPos, 122);
    EXPECT_THAT(over.setErrMsg, testing::HasSubstr("121"));
    EXPECT_FALSE(TranslateSetTheory(Repeat("(", 100000)).ok());
}

TEST(SetLimits, AnInclusionNeedsALetterTheLineLeavesFree) {
    std::string members;
    for (char c = 'a'; c < 'o'; ++c) members += std::string(1, c) + " belongs A and ";
    for (char c = 'p'; c <= 'z'; ++c) members += std::string(1, c) + " belongs A and ";
    EXPECT_THAT(TranslateSetTheory(members + "A subset B").text,
                testing::HasSubstr("forall o (Ao implies Bo)"));

    const SetTranslation none = TranslateSetTheory(members + "o belongs A and A subset B");
    EXPECT_FALSE(none.ok());
    EXPECT_FALSE(none.setErrMsg.empty());
}

TEST(Robustness, EveryByteValueIsReadAsSetText) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    for (size_t start = 0; start < all.size(); ++start) {
        const std::string line = "x belongs " + all.substr(start, 3);
        const SetTranslation r = TranslateSetTheory(line);
        EXPECT_LE(r.errPos, static_cast<int>(line.size()));
    }
}

}  // namespace
}  // namespace deducto
