#include <gtest/gtest.h>

#include "ModelCheck.h"
#include "TableHelpers.h"
#include "support/ScriptedPrompts.h"

namespace deducto::testing {
namespace {

struct PredShape {
    const char* name;
    const char* text;
    std::vector<std::string> terms;
    std::vector<std::string> rows;
    const char* values;
};
void PrintTo(const PredShape& c, std::ostream* os) { *os << c.text; }

class PredicateTable : public ::testing::TestWithParam<PredShape> {};

TEST_P(PredicateTable, WorldsInRowOrder) {
    const PredShape& s = GetParam();
    ScriptedSession ss(Mode::Predicate);
    const auto table = TableOf(s.text, ss.session);
    EXPECT_EQ(TermsOf(*table), s.terms) << s.text;
    EXPECT_EQ(RowsOf(*table), s.rows) << s.text;
    EXPECT_EQ(RowsInSequence(*table), s.rows) << s.text;
    EXPECT_EQ(ValuesOf(*table), s.values) << s.text;
}

INSTANTIATE_TEST_SUITE_P(
    Examples, PredicateTable,
    ::testing::Values(
        PredShape{"FreeVariable", "Px", {"x"}, {"+P", "-P"}, "TF"},
        PredShape{"Exists", "exists x Px", {"+P"}, {"1", "0"}, "TF"},
        // forall is not exists not: true exactly when nothing lies outside P
        PredShape{"ForAll", "forall x Px", {"-P"}, {"1", "0"}, "FT"},
        // the merged region +P-P is contradictory and never a row
        PredShape{"ContradictoryRegion", "Pa and not Pa", {"a"}, {"+P", "-P"}, "FF"},
        PredShape{"TwoPredicatesOneConstant",
                  "Pa and Qa",
                  {"a"},
                  {"+P+Q", "+P-Q", "-P+Q", "-P-Q"},
                  "TFFF"},
        PredShape{
            "TwoConstants", "Pa and Qb", {"a", "b"}, {"+P +Q", "+P -Q", "-P +Q", "-P -Q"}, "TFFF"},
        // +P+Q inhabited while +P is empty is impossible
        PredShape{"InhabitedSubregion",
                  "exists x Px and exists y (Py and Qy)",
                  {"+P", "+P+Q"},
                  {"11", "10", "00"},
                  "TFF"},
        // a lies in an inhabited region, so with +P empty it lies outside P
        PredShape{"ConstantInInhabitedRegion",
                  "exists x Px iff Pa",
                  {"+P", "a"},
                  {"1 +P", "1 -P", "0 -P"},
                  "TFT"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(PredicateTable, SetTheoryUniverseAndEmptySetHaveNoTerms) {
    ScriptedSession ss(Mode::SetTheory);
    const auto universe = TableOf("Ux", ss.session);
    EXPECT_EQ(universe->nbrTerms(), 0);
    EXPECT_EQ(RowsOf(*universe), std::vector<std::string>{""});
    EXPECT_EQ(ValuesOf(*universe), "T");
    const auto notUniverse = TableOf("not Ux", ss.session);
    EXPECT_EQ(ValuesOf(*notUniverse), "F");
    ScriptedSession pred(Mode::Predicate);
    EXPECT_EQ(TableOf("Ux", pred.session)->nbrTerms(), 1);  // only set theory reads U so
}

TEST(PredicateSimplify, MasksTermsInOrderAndKeepsFirstRows) {
    ScriptedSession ss(Mode::Predicate);
    const auto table = TableOf("Pa or not Pa", ss.session, true);
    EXPECT_EQ(table->nbrTerms(), 0);
    EXPECT_EQ(ValuesOf(*table), "T");
    EXPECT_EQ(table->droppedIndividuals(), "a");

    const auto mixed = TableOf("exists x Px and (Qa or not Qa)", ss.session, true);
    EXPECT_EQ(TermsOf(*mixed), std::vector<std::string>{"+P"});
    EXPECT_EQ(RowsOf(*mixed), (std::vector<std::string>{"1", "0"}));
    EXPECT_EQ(ValuesOf(*mixed), "TF");

    const std::vector<std::string> rows = RowsOf(*mixed);
    ASSERT_TRUE(mixed->Simplify(ss.session.computation).ok());
    EXPECT_EQ(RowsOf(*mixed), rows);
}

// Verdicts on random monadic arguments agree with checking every small model. Individuals
// (free letters) exist in every model; with none, the empty domain counts too.
TEST(PredicateOracle, VerdictsAgreeWithEveryModel) {
    FormulaMaker maker(11, "PQR", "xya");
    for (int n = 0; n < 250; ++n) {
        std::vector<Formula> premises;
        std::vector<std::string> texts;
        const int count = n % 3;
        for (int k = 0; k < count; ++k) {
            premises.push_back(maker.Make(3));
            texts.push_back(premises.back().Text());
        }
        const Formula conclusion = maker.Make(3);
        for (bool simplify : {true, false}) {
            ScriptedSession ss(Mode::Predicate);
            ss.session.options.eliminateUnneeded = simplify;
            const Evaluation result = Evaluate(ss.session, texts, conclusion.Text());
            ASSERT_TRUE(result.status.ok()) << result.status.message;
            std::string argument;
            for (const std::string& t : texts) argument += t + " ; ";
            ASSERT_EQ(result.verdict, MonadicVerdict(premises, conclusion, "PQR"))
                << argument << "|- " << conclusion.Text();
        }
    }
}

// An individual named by a line whose column simplification dropped still exists.
TEST(PredicateIndividuals, ANamedIndividualKeepsTheDomainInhabited) {
    ScriptedSession ss(Mode::Predicate);
    EXPECT_EQ(Evaluate(ss.session, {"Pa or not Pa", "forall x Qx"}, "exists x Qx").verdict,
              Verdict::AlwaysTrue);
    ScriptedSession plain(Mode::Predicate);
    plain.session.options.eliminateUnneeded = false;
    EXPECT_EQ(Evaluate(plain.session, {"Pa or not Pa", "forall x Qx"}, "exists x Qx").verdict,
              Verdict::AlwaysTrue);
    // Without any individual the empty domain stays possible.
    ScriptedSession none(Mode::Predicate);
    EXPECT_EQ(Evaluate(none.session, {"forall x Px"}, "exists x Px").verdict,
              Verdict::DoesNotFollow);
}

std::string Chain(int n) {
    std::string text;
    for (int k = 0; k + 1 < n; ++k) {
        if (k > 0) text += " and ";
        text += std::string("forall x (") + char('A' + k) + "x implies " + char('A' + k + 1) + "x)";
    }
    return text;
}

TEST(PredicateLimits, TablesBeyondTheRowLimitStopWithAMessage) {
    ScriptedSession ss(Mode::Predicate);
    const ParseResult twelve = BuildPolish(Chain(12), Mode::Predicate);
    LineTable fits = BuildLineTable(twelve.PolishStr, ss.session.mode, ss.session.options,
                                    ss.session.computation);
    ASSERT_TRUE(fits.status.ok());
    EXPECT_EQ(fits.table->nbrIntTerms(), 11);
    EXPECT_EQ(fits.table->nbrTruthCombos(), 2048);

    const ParseResult sixteen = BuildPolish(Chain(16), Mode::Predicate);
    const LineTable tooBig = BuildLineTable(sixteen.PolishStr, ss.session.mode, ss.session.options,
                                            ss.session.computation);
    EXPECT_EQ(tooBig.status.outcome, Outcome::LimitReached);
    EXPECT_EQ(tooBig.status.message, kTooManyRowsMessage);
    EXPECT_EQ(tooBig.table, nullptr);
}

}  // namespace
}  // namespace deducto::testing
