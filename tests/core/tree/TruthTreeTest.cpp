#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TreeChecks.h"
#include "core/truthtable/RandomFormulas.h"
#include "core/truthtable/TableHelpers.h"
#include "support/ScriptedPrompts.h"
#include "tree/Miniscope.h"
#include "tree/TreeExport.h"

namespace deducto::testing {
namespace {

struct TreeInputs {
    TreeInput input;
    Verdict verdict = Verdict::None;
};

// Reads the lines as the window does and evaluates them, for the verdict and the Polish
// strings the tree starts from.
TreeInputs Read(Mode mode, const std::vector<std::string>& premises,
                const std::string& conclusion) {
    ScriptedSession ss(mode);
    TreeInputs out;
    out.input.mode = mode;
    const auto read = [&](int line, const std::string& text) {
        const LineOutcome outcome = ReadLine(text, line, ReadKind::Edit, ss.session);
        EXPECT_EQ(outcome.result, LineResult::Built) << text << ": " << outcome.message;
        return outcome.parse.PolishStr;
    };
    for (size_t k = 0; k < premises.size(); ++k) {
        const int line = static_cast<int>(k) + 1;
        out.input.premises.emplace_back(line, read(line, premises[k]));
    }
    out.input.conclusion = read(0, conclusion);
    out.verdict =
        EvaluateArgument(ss.session.lines, ss.session.mode, ss.session.computation).verdict;
    return out;
}

struct Argument {
    const char* name;
    Mode mode;
    std::vector<std::string> premises;
    std::string conclusion;
    bool closed;
};

class TreeOfArgument : public ::testing::TestWithParam<Argument> {};

TEST_P(TreeOfArgument, ClosesExactlyWhenTheConclusionFollows) {
    const Argument& a = GetParam();
    const TreeInputs read = Read(a.mode, a.premises, a.conclusion);
    TruthTree tree(read.input);
    Computation computation;
    ASSERT_TRUE(tree.Finish(computation).ok()) << tree.limitMessage();
    EXPECT_EQ(tree.closed(), a.closed);
    EXPECT_EQ(TreeFault(tree, read.input, read.verdict), "");
}

INSTANTIATE_TEST_SUITE_P(
    Textbook, TreeOfArgument,
    ::testing::Values(
        Argument{"HypotheticalSyllogism",
                 Mode::Propositional,
                 {"p implies q", "q implies r"},
                 "p implies r",
                 true},
        Argument{"AffirmingTheConsequent", Mode::Propositional, {"p implies q", "q"}, "p", false},
        Argument{"InconsistentPremises", Mode::Propositional, {"p", "not p"}, "q", true},
        Argument{"Tautology", Mode::Propositional, {}, "p or not p", true},
        Argument{"IffBothWays", Mode::Propositional, {"p iff q", "not q"}, "not p", true},
        Argument{"ModusPonensWithConstant",
                 Mode::Predicate,
                 {"forall x (Px implies Qx)", "Pa"},
                 "Qa",
                 true},
        Argument{"ExistentialsDoNotMeet",
                 Mode::Predicate,
                 {"exists x Px", "exists x Qx"},
                 "exists x (Px and Qx)",
                 false},
        // Nothing is named, so the domain may be empty: the universal premise holds there.
        Argument{"EmptyDomainBlocksNestedExistential",
                 Mode::Predicate,
                 {"forall x exists y (Px and Qy)"},
                 "exists y Qy",
                 false},
        Argument{"UniversalGivesNoExistentialWithoutIndividuals",
                 Mode::Predicate,
                 {"forall x Px"},
                 "exists x Px",
                 false},
        Argument{"NamedIndividualMakesTheDomainInhabited",
                 Mode::Predicate,
                 {"forall x Px", "Qa"},
                 "exists x Px",
                 true},
        Argument{"NestedQuantifiersWithAWitness",
                 Mode::Predicate,
                 {"exists x Px", "forall x exists y (Px implies Qy)"},
                 "exists y Qy",
                 true},
        // A quantifier whose variable does not occur says nothing: forall x Pa is Pa.
        Argument{"IdleQuantifier", Mode::Predicate, {"forall x Pa"}, "Pa", true},
        Argument{"IdleQuantifierOverAClosedPart",
                 Mode::Predicate,
                 {"forall x exists y Qy"},
                 "exists y Qy",
                 true},
        Argument{"QuantifierSwap",
                 Mode::Predicate,
                 {"exists x forall y (Px or Qy)"},
                 "forall y exists x (Px or Qy)",
                 true},
        Argument{
            "SetInclusionChain", Mode::SetTheory, {"A subset B", "B subset C"}, "A subset C", true},
        Argument{"EmptyIntersectionIsNotEmptySet",
                 Mode::SetTheory,
                 {"A intersection B = nullset"},
                 "A = nullset",
                 false}),
    [](const auto& row) { return std::string(row.param.name); });

// The rewriting keeps every line's meaning as the engine reads it: a line and its rewriting
// always get the same verdict against each other.
TEST(MoveQuantifiersInward, LeavesNoQuantifierDependingOnAnOuterOne) {
    const FormulaPtr f = FormulaFromPolish(
        RemoveDoubleNegations(
            BuildPolish("forall x exists y (Px and Qy)", Mode::Predicate).PolishStr),
        Mode::Predicate);
    const Rewriting r = MoveQuantifiersInward(f);
    ASSERT_TRUE(r.formula);
    EXPECT_TRUE(r.changed);
    EXPECT_EQ(KeywordText(*r.formula), "forall x (Px and exists y Qy)");
}

TEST(TreeLimit, ATreeTooLargeGivesItsMessageInWords) {
    // Chains of "iff" split every branch they reach in two, again and again.
    const std::vector<std::string> premises{
        "((a iff b) iff (c iff d)) iff ((e iff f) iff (g iff h))",
        "((i iff j) iff (k iff l)) iff ((m iff n) iff (a iff c))"};
    const TreeInputs read = Read(Mode::Propositional, premises, "(b iff d) iff (f iff h)");
    TruthTree tree(read.input);
    Computation computation;
    const Status status = tree.Finish(computation);
    EXPECT_EQ(status.outcome, Outcome::LimitReached);
    EXPECT_EQ(status.message, kTreeTooLarge);
    EXPECT_EQ(TreeText(tree), std::vector<std::string>{kTreeTooLarge});
}

TEST(TreeSteps, StepByStepGivesTheTreeThatFinishGives) {
    const TreeInputs read =
        Read(Mode::Predicate, {"exists x Px", "forall x (Px implies Qx)"}, "exists x Qx");
    TruthTree whole(read.input);
    Computation computation;
    ASSERT_TRUE(whole.Finish(computation).ok());
    TruthTree stepped(read.input);
    int steps = 0;
    while (stepped.Step()) ++steps;
    EXPECT_EQ(steps, whole.steps());
    EXPECT_EQ(TreeText(stepped), TreeText(whole));
    EXPECT_TRUE(stepped.closed());
}

// Random arguments with nested quantifiers over x and y and the individuals a and b: every
// tree finishes and agrees with the engine.
struct RandomSet {
    const char* name;
    Mode mode;
    const char* letters;
    const char* variables;
    int depth;
    int count;
};

class RandomTrees : public ::testing::TestWithParam<RandomSet> {};

TEST_P(RandomTrees, FinishAndAgreeWithTheVerdict) {
    const RandomSet& set = GetParam();
    FormulaMaker maker(20261210u, set.letters, set.variables);
    std::mt19937 rng(7);
    int open = 0;
    int closed = 0;
    for (int i = 0; i < set.count; ++i) {
        std::vector<std::string> premises;
        const int n = static_cast<int>(rng() % 4);
        for (int k = 0; k < n; ++k) premises.push_back(maker.Make(1 + rng() % set.depth).Text());
        const std::string conclusion = maker.Make(1 + rng() % set.depth).Text();
        const TreeInputs read = Read(set.mode, premises, conclusion);
        TruthTree tree(read.input);
        Computation computation;
        const Status status = tree.Finish(computation);
        std::string all;
        for (const std::string& p : premises) all += p + " ; ";
        all += "therefore " + conclusion;
        ASSERT_TRUE(status.ok()) << all << ": " << status.message;
        ASSERT_EQ(TreeFault(tree, read.input, read.verdict), "") << all;
        (tree.closed() ? closed : open) += 1;
    }
    // Both kinds of tree were met, so both halves of the agreement were tested.
    EXPECT_GT(open, set.count / 10);
    EXPECT_GT(closed, set.count / 20);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, RandomTrees,
    ::testing::Values(RandomSet{"Propositional", Mode::Propositional, "pqrs", "", 4, 1500},
                      RandomSet{"NestedQuantifiers", Mode::Predicate, "PQR", "xy", 4, 1500},
                      RandomSet{"QuantifiersAndIndividuals", Mode::Predicate, "PQ", "xyab", 4,
                                1500}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace deducto::testing
