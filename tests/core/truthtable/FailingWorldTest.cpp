// The counterexample world of an argument: one per failing case, every line's value there
// checked against its formula evaluated directly, and inconsistent lines refused.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TableHelpers.h"
#include "natural/CheckTermsModel.h"
#include "support/ScriptedPrompts.h"
#include "truthtable/FailingWorld.h"
#include "truthtable/WorldEvaluation.h"

namespace deducto::testing {
namespace {

std::array<LineFormula, kLineCount> FormulasOf(const Session& session) {
    std::array<LineFormula, kLineCount> formulas;
    for (int k = 0; k < kLineCount; ++k) {
        formulas[k] = {session.lines[k].PolishStr, session.lines[k].table.get()};
    }
    return formulas;
}

struct Counterexample {
    const char* name;
    Mode mode;
    std::vector<std::string> premises;  // "" leaves a slot empty
    const char* conclusion;
    int caseIndex;
    int cases;
    const char* trueLetters;  // propositional worlds only
};
void PrintTo(const Counterexample& row, std::ostream* os) { *os << row.name; }

class FailingWorlds : public ::testing::TestWithParam<Counterexample> {};

TEST_P(FailingWorlds, EveryLineHasItsDirectValue) {
    const Counterexample& c = GetParam();
    ScriptedSession ss(c.mode);
    ss.prompts.onCheckTerm = [](CheckTermsModel& dialog) { return dialog.AcceptSuggestion(); };
    const Evaluation evaluation = Evaluate(ss.session, c.premises, c.conclusion);
    ASSERT_TRUE(evaluation.doesNotFollow());
    const FailingWorldResult failing =
        FailingWorld(FormulasOf(ss.session), *evaluation.comparisonTable, c.caseIndex);
    ASSERT_TRUE(failing.status.ok()) << failing.status.message;
    EXPECT_EQ(failing.cases, c.cases);
    ASSERT_TRUE(failing.world);
    if (c.mode == Mode::Propositional) {
        EXPECT_EQ(failing.world->trueLetters, c.trueLetters);
    }
    for (int k = 0; k < kLineCount; ++k) {
        const ArgumentLine& line = ss.session.lines[k];
        if (!line.table) {
            EXPECT_EQ(failing.values[k], '\0') << LineName(k);
            continue;
        }
        EXPECT_EQ(failing.values[k], EvaluateInWorld(line.PolishStr, c.mode, *failing.world))
            << LineName(k);
        EXPECT_EQ(failing.values[k], k == 0 ? 'F' : 'T') << LineName(k);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Modes, FailingWorlds,
    ::testing::Values(
        Counterexample{"PropositionalFirst", Mode::Propositional, {"p or q"}, "p and q", 0, 2, "p"},
        Counterexample{"PropositionalLast", Mode::Propositional, {"p or q"}, "p and q", 1, 2, "q"},
        Counterexample{"PropositionalEmptySlot",
                       Mode::Propositional,
                       {"", "r implies p", "", "p or q"},
                       "p and q",
                       0,
                       3,
                       "pr"},
        Counterexample{"NoPremises", Mode::Propositional, {}, "p", 0, 1, ""},
        Counterexample{
            "Predicate", Mode::Predicate, {"forall x (Px implies Qx)", "Pa or Rb"}, "Qa", 0, 1, ""},
        Counterexample{"PredicateFivePredicates",
                       Mode::Predicate,
                       {"exists x (Ax and Bx and Cx and Dx and Ex)"},
                       "forall x (Ax implies Bx)",
                       0,
                       1,
                       ""},
        Counterexample{"SetTheory", Mode::SetTheory, {"A subset B"}, "B subset A", 0, 1, ""},
        Counterexample{"NaturalLanguage",
                       Mode::Natural,
                       {"All philosophers are mortal."},
                       "Socrates is a philosopher.",
                       0,
                       1,
                       ""}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(FailingWorldCases, OutsideTheCasesThereIsNoWorld) {
    ScriptedSession ss;
    const Evaluation evaluation = Evaluate(ss.session, {"p or q"}, "p and q");
    for (const int index : {-1, 2}) {
        const FailingWorldResult failing =
            FailingWorld(FormulasOf(ss.session), *evaluation.comparisonTable, index);
        EXPECT_TRUE(failing.status.ok());
        EXPECT_EQ(failing.cases, 2);
        EXPECT_FALSE(failing.world) << index;
    }
}

// Lines whose table, formula or comparison do not belong together: a fault of the program,
// which the check must catch rather than show a world that is not a counterexample.
struct Mismatch {
    const char* name;
    int line;               // the line whose formula is replaced
    const char* PolishStr;  // what it is replaced with
    bool otherComparison;   // the comparison of another argument instead
    const char* message;
};
void PrintTo(const Mismatch& row, std::ostream* os) { *os << row.name; }

class FailingWorldChecks : public ::testing::TestWithParam<Mismatch> {};

TEST_P(FailingWorldChecks, RefuseAWorldThatDoesNotFit) {
    const Mismatch& m = GetParam();
    ScriptedSession ss;
    const Evaluation evaluation = Evaluate(ss.session, {"p or q", "r"}, "p and q");
    ScriptedSession other;
    const Evaluation otherEvaluation = Evaluate(other.session, {"r"}, "not (p and q)");
    std::array<LineFormula, kLineCount> formulas = FormulasOf(ss.session);
    if (m.line >= 0) formulas[m.line].PolishStr = m.PolishStr;
    const clsTruthTable& comparison =
        m.otherComparison ? *otherEvaluation.comparisonTable : *evaluation.comparisonTable;
    const FailingWorldResult failing = FailingWorld(formulas, comparison, 0);
    EXPECT_EQ(failing.status.outcome, Outcome::InternalError);
    EXPECT_EQ(failing.status.message, m.message);
    EXPECT_FALSE(failing.world);
    EXPECT_EQ(failing.values, (std::array<char, kLineCount>{}));
}

INSTANTIATE_TEST_SUITE_P(
    Inconsistent, FailingWorldChecks,
    ::testing::Values(
        Mismatch{"PremiseFormulaAgainstItsTable", 1, "pq1", false,
                 "Impossible error: the failing case does not fit Premise 1."},
        Mismatch{"LaterPremiseNamed", 2, "r3", false,
                 "Impossible error: the failing case does not fit Premise 2."},
        Mismatch{"ConclusionFormulaAgainstItsTable", 0, "pq2", false,
                 "Impossible error: the failing case does not fit Conclusion."},
        Mismatch{"MalformedFormula", 1, "p1", false,
                 "Impossible error: the failing case does not fit Premise 1."},
        // Table and formula agree, but in the other argument's case the conclusion holds.
        Mismatch{"ComparisonOfAnotherArgument", -1, "", true,
                 "Impossible error: the failing case does not fit Conclusion."}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace deducto::testing
