// Two lines compared by the engine: pairs written differently that say the same in each
// mode, and pairs that do not, with the case that tells them apart. That case is checked by
// evaluating both formulas directly in its world, never by reading a table.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Equivalence.h"
#include "ReadLine.h"
#include "Session.h"
#include "natural/CheckTermsModel.h"
#include "natural/TermDefinition.h"
#include "support/ScriptedPrompts.h"
#include "truthtable/WorldEvaluation.h"

namespace deducto::testing {
namespace {

struct Side {
    Mode mode;
    const char* text;
};

struct Pair {
    const char* name;
    Side first;
    Side second;
    bool equivalent;
    const char* difference;  // "" when equivalent
};
void PrintTo(const Pair& row, std::ostream* os) { *os << row.name; }

// One line read as the window reads it, with the terms a class-room argument defines.
struct ReadSide {
    ScriptedSession ss;
    explicit ReadSide(const Side& side) : ss(side.mode) {
        ss.prompts.onCheckTerm = [](CheckTermsModel& dialog) { return dialog.AcceptSuggestion(); };
        if (side.mode == Mode::Natural) {
            for (const auto& [kind, text] :
                 {std::pair{"class noun", "man"}, std::pair{"adjective", "mortal"},
                  std::pair{"specific noun", "Socrates"}}) {
                EXPECT_TRUE(DefineTerm(kind, text, ss.session.lexicon).ok()) << text;
            }
        }
        const LineOutcome outcome = ReadLine(side.text, 0, ReadKind::Edit, ss.session);
        EXPECT_TRUE(outcome.ok()) << side.text << ": " << outcome.message;
    }
    [[nodiscard]] ModeFormula formula() const {
        return {{ss.session.lines[0].PolishStr, ss.session.lines[0].table.get()}, ss.session.mode};
    }
};

class Equivalences : public ::testing::TestWithParam<Pair> {};

TEST_P(Equivalences, BiconditionalDecidesAndTheCaseTellsTheLinesApart) {
    const Pair& p = GetParam();
    const ReadSide first(p.first);
    const ReadSide second(p.second);
    ASSERT_NE(first.formula().formula.table, nullptr);
    ASSERT_NE(second.formula().formula.table, nullptr);
    Computation computation;
    const Equivalence result =
        CheckEquivalence(first.formula(), second.formula(), first.ss.session.lexicon, computation);
    ASSERT_TRUE(result.status.ok()) << result.status.message;
    EXPECT_TRUE(result.comparable);
    EXPECT_EQ(result.equivalent, p.equivalent);
    EXPECT_EQ(result.difference, p.difference);
    if (p.equivalent) {
        EXPECT_FALSE(result.world);
        return;
    }
    ASSERT_TRUE(result.world);
    const char a = EvaluateInWorld(first.formula().formula.PolishStr, p.first.mode, *result.world);
    const char b =
        EvaluateInWorld(second.formula().formula.PolishStr, p.second.mode, *result.world);
    EXPECT_NE(a, '\0');
    EXPECT_NE(b, '\0');
    EXPECT_NE(a, b);
    EXPECT_EQ(result.firstValue, a);
    EXPECT_EQ(result.secondValue, b);
    // The same in the other direction: the two lines swap their values.
    const Equivalence back =
        CheckEquivalence(second.formula(), first.formula(), second.ss.session.lexicon, computation);
    EXPECT_FALSE(back.equivalent);
    ASSERT_TRUE(back.world);
    EXPECT_NE(EvaluateInWorld(first.formula().formula.PolishStr, p.first.mode, *back.world),
              EvaluateInWorld(second.formula().formula.PolishStr, p.second.mode, *back.world));
}

constexpr Mode kProp = Mode::Propositional;
constexpr Mode kPred = Mode::Predicate;
constexpr Mode kSet = Mode::SetTheory;
constexpr Mode kNat = Mode::Natural;

INSTANTIATE_TEST_SUITE_P(
    WrittenDifferently, Equivalences,
    ::testing::Values(
        Pair{"ImplicationAsDisjunction", {kProp, "p implies q"}, {kProp, "not p or q"}, true, ""},
        Pair{"DeMorgan", {kProp, "not (p and q)"}, {kProp, "not p or not q"}, true, ""},
        Pair{"IffAsTwoImplications",
             {kProp, "p iff q"},
             {kProp, "(p implies q) and (q implies p)"},
             true,
             ""},
        Pair{"AbsorptionOverOtherLetters", {kProp, "p"}, {kProp, "p and (p or q)"}, true, ""},
        Pair{"ContrapositiveConclusion",
             {kProp, "not u implies not p"},
             {kProp, "p implies u"},
             true,
             ""},
        Pair{"ForallAsNotExists",
             {kPred, "forall x (Px implies Qx)"},
             {kPred, "not exists x (Px and not Qx)"},
             true,
             ""},
        Pair{"ExistsDistributesOverOr",
             {kPred, "exists x (Px or Qx)"},
             {kPred, "exists x Px or exists y Qy"},
             true,
             ""},
        Pair{"IndividualDeMorgan",
             {kPred, "Pa and Qa"},
             {kPred, "not (not Pa or not Qa)"},
             true,
             ""},
        Pair{
            "SubsetAsIntersection", {kSet, "A subset B"}, {kSet, "A intersection B = A"}, true, ""},
        Pair{"DisjointEitherWay",
             {kSet, "A intersection B = nullset"},
             {kSet, "B intersection A = nullset"},
             true,
             ""},
        Pair{"SetTheoryAgainstPredicate",
             {kSet, "A subset B"},
             {kPred, "forall x (Ax implies Bx)"},
             true,
             ""},
        Pair{"SentenceAgainstFormula",
             {kNat, "All men are mortal."},
             {kPred, "forall x (Mx implies Xx)"},
             true,
             ""},
        Pair{"TwoSentences",
             {kNat, "All men are mortal."},
             {kNat, "Every man is mortal."},
             true,
             ""}),
    [](const auto& row) { return std::string(row.param.name); });

INSTANTIATE_TEST_SUITE_P(
    NotEquivalent, Equivalences,
    ::testing::Values(
        Pair{"ConverseImplication",
             {kProp, "p implies q"},
             {kProp, "q implies p"},
             false,
             "differs when p is true, q is false"},
        Pair{"StrongerConjunction",
             {kProp, "p"},
             {kProp, "p and q"},
             false,
             "differs when p is true, q is false"},
        Pair{"OtherLetter",
             {kProp, "p or q"},
             {kProp, "p or r"},
             false,
             "differs when p is false, q is true, r is false"},
        Pair{"ConverseForall",
             {kPred, "forall x (Px implies Qx)"},
             {kPred, "forall x (Qx implies Px)"},
             false,
             "differs when exists x (Px and not Qx), not exists x (not Px and Qx)"},
        Pair{"SomeForAll",
             {kPred, "forall x (Mx implies Rx)"},
             {kPred, "exists x (Mx and Rx)"},
             false,
             "differs when exists x (Mx and Rx), exists x (Mx and not Rx)"},
        Pair{"IndividualNamed",
             {kPred, "Pa"},
             {kPred, "Pa and Qa"},
             false,
             "differs when (Pa and not Qa) is true"},
        Pair{"ConverseSubset",
             {kSet, "A subset B"},
             {kSet, "B subset A"},
             false,
             "differs when exists x (x belongs A and not x belongs B), not exists x (not x "
             "belongs A and x belongs B)"},
        Pair{"SentenceInWords",
             {kNat, "All men are mortal."},
             {kNat, "Some men are mortal."},
             false,
             "differs when there exists someone/something that is a MAN and is MORTAL, and "
             "there exists someone/something that is a MAN and is not MORTAL"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(EquivalenceModes, PropositionalAgainstPredicateCannotBeCompared) {
    const ReadSide first({kProp, "p"});
    const ReadSide second({kPred, "Pa"});
    Computation computation;
    const Equivalence result =
        CheckEquivalence(first.formula(), second.formula(), first.ss.session.lexicon, computation);
    EXPECT_TRUE(result.status.ok());
    EXPECT_FALSE(result.comparable);
    EXPECT_FALSE(result.equivalent);
    EXPECT_EQ(result.difference, "");
}

}  // namespace
}  // namespace deducto::testing
