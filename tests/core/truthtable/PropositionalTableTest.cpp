#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "RandomFormulas.h"
#include "TableHelpers.h"
#include "support/ScriptedPrompts.h"

namespace deducto::testing {
namespace {

struct Shape {
    const char* name;
    const char* text;
    std::vector<std::string> terms;
    std::vector<std::string> rows;
    const char* values;
};
void PrintTo(const Shape& c, std::ostream* os) { *os << c.text; }

class PropositionalShape : public ::testing::TestWithParam<Shape> {};

TEST_P(PropositionalShape, TermsSortedRowsCountDownFromAllTrue) {
    const Shape& s = GetParam();
    ScriptedSession ss;
    const auto table = TableOf(s.text, ss.session);
    EXPECT_EQ(TermsOf(*table), s.terms);
    EXPECT_EQ(RowsOf(*table), s.rows);
    EXPECT_EQ(ValuesOf(*table), s.values);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, PropositionalShape,
    ::testing::Values(
        Shape{"OneLetter", "p", {"p"}, {"T", "F"}, "TF"},
        Shape{"Conjunction", "p and q", {"p", "q"}, {"TT", "TF", "FT", "FF"}, "TFFF"},
        Shape{"Tautology", "p implies p", {"p"}, {"T", "F"}, "TT"},
        Shape{"CapitalSortsFirst", "p or Q", {"Q", "p"}, {"TT", "TF", "FT", "FF"}, "TTTF"},
        Shape{"DoubleNegation", "not not p", {"p"}, {"T", "F"}, "TF"},
        Shape{"ThreeLetters",
              "(r and k) implies p",
              {"k", "p", "r"},
              {"TTT", "TTF", "TFT", "TFF", "FTT", "FTF", "FFT", "FFF"},
              "TTFTTTTT"}),
    [](const auto& row) { return std::string(row.param.name); });

// Every row of a random formula's table, plain and simplified, agrees with evaluating the
// formula directly.
TEST(PropositionalOracle, TablesAgreeWithDirectEvaluation) {
    FormulaMaker maker(7, "pqrA", "");
    for (int n = 0; n < 300; ++n) {
        const Formula f = maker.Make(4);
        ScriptedSession ss;
        const auto table = TableOf(f.Text(), ss.session);
        for (int i = 0; i < table->nbrTruthCombos(); ++i) {
            const std::string row = table->TruthCombo(i);
            std::set<char> trueLetters;
            for (int j = 0; j < table->nbrTerms(); ++j) {
                if (row[j] == 'T') trueLetters.insert(table->Term(j)[0]);
            }
            ASSERT_EQ(table->TruthValue(i), f.EvalPropositional(trueLetters) ? 'T' : 'F')
                << f.Text() << " row " << row;
        }
        const auto simplified = TableOf(f.Text(), ss.session, true);
        std::string dropped;
        for (int j = 0; j < table->nbrTerms(); ++j) {
            const auto kept = TermsOf(*simplified);
            if (std::find(kept.begin(), kept.end(), table->Term(j)) == kept.end()) {
                dropped += table->Term(j);
            }
        }
        for (int i = 0; i < simplified->nbrTruthCombos(); ++i) {
            const std::string row = simplified->TruthCombo(i);
            std::string trueLetters;
            for (int j = 0; j < simplified->nbrTerms(); ++j) {
                if (row[j] == 'T') trueLetters += simplified->Term(j);
            }
            // A dropped letter may take either value.
            ASSERT_EQ(simplified->TruthValue(i), table->TruthResultProp(trueLetters)) << f.Text();
            ASSERT_EQ(simplified->TruthValue(i), table->TruthResultProp(trueLetters + dropped))
                << f.Text();
        }
    }
}

TEST(PropositionalSimplify, DropsLettersTheValueIgnores) {
    ScriptedSession ss;
    const auto always = TableOf("p or not p", ss.session, true);
    EXPECT_EQ(always->nbrTerms(), 0);
    EXPECT_EQ(RowsOf(*always), std::vector<std::string>{""});
    EXPECT_EQ(ValuesOf(*always), "T");
    ASSERT_TRUE(always->Simplify(ss.session.computation).ok());
    EXPECT_EQ(ValuesOf(*always), "T");

    const auto justP = TableOf("(p and q) or (p and not q)", ss.session, true);
    EXPECT_EQ(TermsOf(*justP), std::vector<std::string>{"p"});
    EXPECT_EQ(ValuesOf(*justP), "TF");

    const auto plain = TableOf("(p and q) or (p and not q)", ss.session, false);
    EXPECT_EQ(TermsOf(*plain), (std::vector<std::string>{"p", "q"}));
}

TEST(PropositionalCombine, RequireAntecedentExcludesRowsWhereTheFirstIsFalse) {
    ScriptedSession ss;
    const auto p = TableOf("p", ss.session);
    const auto q = TableOf("q", ss.session);
    clsTruthTable comparison(Mode::Propositional);
    ASSERT_TRUE(comparison.generateFromBinary(*p, *q, '7', true, ss.session.computation).ok());
    EXPECT_EQ(ValuesOf(comparison), "TF--");
    EXPECT_EQ(p->TruthResultProp("pzq"), 'T');  // letters of other tables are ignored
    EXPECT_EQ(p->TruthResultProp("zq"), 'F');
}

// Rows are spelled from their index (and, for writers of whole tables, from the row before):
// row i of n letters is the binary count-down 2^n - 1 - i, first letter highest.
TEST(PropositionalRows, SpellTheCountDownForEveryNumberOfLetters) {
    ScriptedSession ss;
    std::string text = "a";
    for (int n = 1; n <= kMaxPropositionalTerms; ++n) {
        if (n > 1) text += std::string(" and ") + static_cast<char>('a' + n - 1);
        const auto table = TableOf(text, ss.session);
        ASSERT_EQ(table->nbrTruthCombos(), 1 << n);
        std::vector<std::string> expected;
        for (int i = 0; i < (1 << n); ++i) {
            const unsigned assignment = (1u << n) - 1 - static_cast<unsigned>(i);
            std::string row;
            for (int j = n - 1; j >= 0; --j) row += (assignment >> j) & 1u ? 'T' : 'F';
            expected.push_back(row);
        }
        ASSERT_EQ(RowsOf(*table), expected) << n << " letters";
        ASSERT_EQ(RowsInSequence(*table), expected) << n << " letters";
    }
}

TEST(PropositionalLimits, FourteenLettersFitFifteenStopWithAMessage) {
    ScriptedSession ss;
    const auto fourteen = TableOf(
        "a and b and c and d and e and f and g and h and i and j and "
        "k and l and m and n",
        ss.session);
    EXPECT_EQ(fourteen->nbrTruthCombos(), 16384);
    EXPECT_EQ(fourteen->TruthValue(0), 'T');

    const ParseResult parse = BuildPolish(
        "a and b and c and d and e and f and g and h and i and j and k and l and m and n and o",
        Mode::Propositional);
    clsTruthTable fifteen(Mode::Propositional);
    const Status status = fifteen.generateFromPolish(parse.PolishStr, ss.session.computation);
    EXPECT_EQ(status.outcome, Outcome::LimitReached);
    EXPECT_EQ(status.message, kTooManyRowsMessage);
}

TEST(PropositionalCancel, StopsAtTheFirstPumpThatSeesTheHalt) {
    ScriptedSession ss;
    ss.pump.cancelOnPump = 2;
    const ParseResult parse = BuildPolish("p and q and r", Mode::Propositional);
    clsTruthTable table(Mode::Propositional);
    EXPECT_EQ(table.generateFromPolish(parse.PolishStr, ss.session.computation).outcome,
              Outcome::Cancelled);
}

}  // namespace
}  // namespace deducto::testing
