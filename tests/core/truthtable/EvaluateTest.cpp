#include <gtest/gtest.h>

#include "Details.h"
#include "TableHelpers.h"
#include "support/CaseNames.h"
#include "support/ScriptedPrompts.h"

namespace deducto::testing {
namespace {

struct Argument {
    const char* name;
    std::vector<std::string> premises;  // "" leaves a slot empty
    const char* conclusion;
    Verdict verdict;
};
void PrintTo(const Argument& c, std::ostream* os) {
    *os << Joined(c.premises) << " / " << c.conclusion;
}

class PropositionalVerdict : public ::testing::TestWithParam<Argument> {};

TEST_P(PropositionalVerdict, ReadFromTheComparison) {
    const Argument& a = GetParam();
    ScriptedSession ss;
    EXPECT_EQ(Evaluate(ss.session, a.premises, a.conclusion).verdict, a.verdict);
}

INSTANTIATE_TEST_SUITE_P(
    EachVerdict, PropositionalVerdict,
    ::testing::Values(
        Argument{"ModusPonens", {"p", "p implies q"}, "q", Verdict::AlwaysTrue},
        Argument{"NonSequitur", {"p"}, "q", Verdict::DoesNotFollow},
        Argument{"ConclusionDeniesPremise", {"p"}, "not p", Verdict::AlwaysFalse},
        Argument{"InconsistentPremises", {"p", "not p"}, "q", Verdict::PremisesFalse},
        Argument{"ExcludedMiddle", {}, "p or not p", Verdict::AlwaysTrue},
        Argument{"Contradiction", {}, "p and not p", Verdict::AlwaysFalse},
        Argument{"OneLetter", {}, "p", Verdict::DoesNotFollow},
        // empty slots are skipped wherever they are
        Argument{"EmptySlotsSkipped", {"", "p implies q", "", "", "p"}, "q", Verdict::AlwaysTrue}),
    [](const auto& row) { return std::string(row.param.name); });

const std::vector<std::string> kWeather = {"(r and k) implies p",
                                           "k iff (t and a)",
                                           "s or not t",
                                           "(not p) implies u",
                                           "(s implies c) and (c implies s)",
                                           "a and not c",
                                           "r"};

// The one failing case: rain predicted (r) by a weatherman who is not knowledgeable (k).
TEST(WorkedExamples, WeatherForecastFailsInOneCase) {
    ScriptedSession ss;
    const Evaluation result = Evaluate(ss.session, kWeather, "u");
    EXPECT_EQ(result.verdict, Verdict::DoesNotFollow);
    const std::vector<CaseText> cases =
        DescribeFailingCases(*result.comparisonTable, ss.session.lexicon, ss.session.prompts());
    EXPECT_EQ(cases, std::vector<CaseText>{{">> a is true, c is false, k is false, p is true, "
                                            "r is true, s is false, t is false, u is false"}});

    std::vector<std::string> withIff = kWeather;
    withIff[0] = "(r and k) iff p";
    ScriptedSession again;
    EXPECT_EQ(Evaluate(again.session, withIff, "u").verdict, Verdict::AlwaysTrue);
}

TEST(WorkedExamples, SingleSexClassroom) {
    ScriptedSession ss(Mode::Predicate);
    const Evaluation result =
        Evaluate(ss.session,
                 {"forall x (Ax or Bx)", "forall x (Ax implies Mx) or forall x (Ax implies Fx)",
                  "forall x (Bx implies Mx) iff forall x (Ax implies Fx)", "Fm and Wm",
                  "not exists x exists y (Wx and Wy and Mx and Fy)", "exists w (Ww and Aw)",
                  "forall x (Mx implies not Fx)"},
                 "forall x (Bx implies Mx)");
    EXPECT_EQ(result.verdict, Verdict::AlwaysTrue);
}

TEST(WorkedExamples, Quadrilaterals) {
    ScriptedSession ss(Mode::SetTheory);
    const Evaluation result = Evaluate(
        ss.session,
        {"P intersection T = nullset", "H subset P and exists h (h belongs H and h belongs R')",
         "S = H.R", "f belongs S"},
        "not f belongs T");
    EXPECT_EQ(result.verdict, Verdict::AlwaysTrue);
}

TEST(Details, FormulaLayoutNamesRegionsAndIndividuals) {
    ScriptedSession pred(Mode::Predicate);
    const Evaluation r = Evaluate(pred.session, {"exists x (Px and not Qx)"}, "Pa and not Qa");
    ASSERT_EQ(r.verdict, Verdict::DoesNotFollow);
    const auto cases =
        DescribeFailingCases(*r.comparisonTable, pred.session.lexicon, pred.session.prompts());
    ASSERT_FALSE(cases.empty());
    EXPECT_EQ(cases.front(), CaseText{">> exists x (Px and not Qx), (Pa and Qa) is true"});

    ScriptedSession set(Mode::SetTheory);
    const Evaluation s = Evaluate(set.session, {"exists x (x belongs A - B)"}, "a belongs A");
    ASSERT_EQ(s.verdict, Verdict::DoesNotFollow);
    const auto setCases =
        DescribeFailingCases(*s.comparisonTable, set.session.lexicon, set.session.prompts());
    ASSERT_FALSE(setCases.empty());
    EXPECT_EQ(setCases.front(),
              CaseText{">> exists x (x belongs A and not x belongs B), (not a belongs A) is true"});
}

TEST(Evaluation, WithoutPremisesTheConclusionTableBecomesTheComparison) {
    ScriptedSession ss;
    ss.session.options.eliminateUnneeded = false;
    const Evaluation result = Evaluate(ss.session, {}, "p or (q and not q)");
    EXPECT_EQ(result.comparisonTable, ss.session.lines[0].table);
    EXPECT_EQ(result.comparisonTable->nbrTerms(), 1);
}

TEST(Evaluation, CancelWhileCombiningLeavesNoVerdict) {
    ScriptedSession ss;
    std::vector<std::string> premises = {"p", "q", "r"};
    Evaluate(ss.session, premises, "p");  // builds the line tables
    ss.pump.cancelOnPump = ss.pump.pumps + 1;
    const Evaluation result =
        EvaluateArgument(ss.session.lines, ss.session.mode, ss.session.computation);
    EXPECT_EQ(result.status.outcome, Outcome::Cancelled);
    EXPECT_EQ(result.verdict, Verdict::None);
    EXPECT_EQ(ss.session.progress.step, Step::CombiningPremises);
}

TEST(Evaluation, PredicateComparisonPublishesItsProgress) {
    ScriptedSession ss(Mode::Predicate);
    const Evaluation result = Evaluate(ss.session, {"forall x (Px implies Qx)", "Pa"}, "Qa");
    EXPECT_EQ(result.verdict, Verdict::AlwaysTrue);
    EXPECT_EQ(ss.session.progress.step, Step::EvaluatingCombinations);
    EXPECT_EQ(ss.session.progress.progressTotal, ss.session.progress.progressCurrent);
}

}  // namespace
}  // namespace deducto::testing
