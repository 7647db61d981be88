// The engine against the reference table (LiteralTable): random formulas in each mode must
// give the same terms in the same order, the same row strings in the same order and the
// same values, straight from the Polish string, after Simplify, combined with each binary
// operator (with and without the antecedent requirement), and as whole arguments.
//
// One difference is intended: the engine remembers individuals whose columns
// simplification removed, and a combination that is left with no individual column of its
// own still keeps the domain inhabited for them, which the reference does not. Such a
// combination must equal the reference's without its worlds that hold nothing; arguments
// that make one are not compared.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "LiteralTable.h"
#include "RandomFormulas.h"
#include "TableHelpers.h"
#include "support/ScriptedPrompts.h"

namespace deducto::testing {
namespace {

// The reference is slow, quadratic in the rows and, with predicates, in the worlds tried;
// larger tables are left to the other tests.
int MaxReferenceRows(Mode mode) { return mode == Mode::Propositional ? 4096 : 1000; }

std::string PolishOf(const std::string& text, Mode mode) {
    const ParseResult parse = BuildPolish(text, mode);
    EXPECT_TRUE(parse.ok()) << text;
    return RemoveDoubleNegations(parse.PolishStr);
}

std::shared_ptr<clsTruthTable> RealTable(const std::string& polish, Session& session,
                                         bool simplify) {
    auto table = std::make_shared<clsTruthTable>(session.mode);
    EXPECT_TRUE(table->generateFromPolish(polish, session.computation).ok()) << polish;
    if (simplify) {
        EXPECT_TRUE(table->Simplify(session.computation).ok()) << polish;
    }
    return table;
}

LiteralTable ReferenceTable(const std::string& polish, Mode mode, bool simplify) {
    LiteralTable table(mode);
    table.generateFromPolish(polish);
    if (simplify) table.Simplify();
    return table;
}

std::string Listed(const std::vector<std::string>& list) {
    std::string text = "[";
    for (size_t i = 0; i < list.size(); ++i) text += (i ? "|" : "") + list[i];
    return text + "]";
}

// The first place where two lists part, with their lengths.
std::string FirstDifference(const std::vector<std::string>& real,
                            const std::vector<std::string>& reference) {
    size_t i = 0;
    while (i < real.size() && i < reference.size() && real[i] == reference[i]) ++i;
    std::ostringstream out;
    out << real.size() << " vs " << reference.size() << ", from " << i << ": \""
        << (i < real.size() ? real[i] : "(end)") << "\" vs \""
        << (i < reference.size() ? reference[i] : "(end)") << "\"";
    return out.str();
}

// Empty when the two tables agree; otherwise what differs.
std::string Difference(const clsTruthTable& real, const LiteralTable& reference) {
    std::ostringstream out;
    if (TermsOf(real) != reference.terms) {
        out << "terms " << Listed(TermsOf(real)) << " vs " << Listed(reference.terms) << "\n";
    }
    if (real.mode() != Mode::Propositional && (real.nbrIntTerms() != reference.nbrIntTerms ||
                                               real.nbrLocTerms() != reference.nbrLocTerms)) {
        out << "term groups " << real.nbrIntTerms() << "+" << real.nbrLocTerms() << " vs "
            << reference.nbrIntTerms << "+" << reference.nbrLocTerms << "\n";
    }
    if (RowsOf(real) != reference.combos) {
        out << "rows " << FirstDifference(RowsOf(real), reference.combos) << "\n";
    }
    std::vector<std::string> realValues;
    for (char v : ValuesOf(real)) realValues.emplace_back(1, v);
    if (realValues != reference.values) {
        out << "values " << FirstDifference(realValues, reference.values) << "\n";
    }
    return out.str();
}

// A combination with no individual column while the argument names individuals whose
// columns are gone: the engine leaves out the worlds with nobody in them.
bool KeepsDroppedIndividuals(const clsTruthTable& combined) {
    return combined.nbrLocTerms() == 0 && !combined.droppedIndividuals().empty();
}

// The reference's table without the worlds in which nothing can exist at all; for tables
// with no individual column, where a row is its flag string.
LiteralTable WithoutEmptyWorlds(const LiteralTable& table) {
    LiteralTable kept = table;
    kept.combos.clear();
    kept.values.clear();
    for (size_t i = 0; i < table.combos.size(); ++i) {
        bool inhabited = false;
        std::vector<std::string> empties;
        for (int k = 0; k < table.nbrIntTerms; ++k) {
            if (table.combos[i][k] == '1') {
                inhabited = true;
            } else {
                empties.push_back(table.terms[k]);
            }
        }
        if (inhabited || RegionPossible(empties, "")) {
            kept.combos.push_back(table.combos[i]);
            kept.values.push_back(table.values[i]);
        }
    }
    return kept;
}

struct OracleCase {
    const char* name;
    Mode mode;
    const char* letters;    // propositional letters, or predicate letters ("U" in set theory)
    const char* variables;  // empty in propositional mode
    unsigned seed;
    int formulas;
    int depth;
    int parts = 0;  // above 0: that many quantified subformulas joined by connectives
};
void PrintTo(const OracleCase& c, std::ostream* os) { *os << c.name; }

class LiteralOracle : public ::testing::TestWithParam<OracleCase> {
protected:
    std::vector<std::string> RandomTexts(unsigned salt) const {
        const OracleCase& c = GetParam();
        FormulaMaker maker(c.seed * 7919 + salt, c.letters, c.variables);
        std::mt19937 rng(c.seed + salt);
        std::vector<std::string> texts;
        for (int n = 0; n < c.formulas; ++n) {
            texts.push_back(c.parts > 0 ? Quantified(maker, rng, c.variables, c.parts)
                                        : maker.Make(1 + n % c.depth).Text());
        }
        return texts;
    }

    // Several closed or open subformulas side by side give many regions at once, where
    // the world enumeration has the most to prune.
    std::string Quantified(FormulaMaker& maker, std::mt19937& rng, const std::string& variables,
                           int parts) const {
        const char* connectives[] = {" and ", " or ", " implies ", " iff "};
        std::string text;
        for (int p = 0; p < parts; ++p) {
            if (p > 0) text += connectives[rng() % 4];
            const std::string body = "(" + maker.Make(GetParam().depth).Text() + ")";
            const char v = variables[rng() % variables.size()];
            switch (rng() % 3) {
                case 0:
                    text += std::string("forall ") + v + " " + body;
                    break;
                case 1:
                    text += std::string("exists ") + v + " " + body;
                    break;
                default:
                    text += body;
            }
        }
        return text;
    }
};

TEST_P(LiteralOracle, SingleFormulas) {
    const OracleCase& c = GetParam();
    ScriptedSession ss(c.mode);
    int skipped = 0;
    for (const std::string& text : RandomTexts(1)) {
        const std::string polish = PolishOf(text, c.mode);
        auto real = RealTable(polish, ss.session, false);
        if (real->nbrTruthCombos() > MaxReferenceRows(c.mode)) {
            ++skipped;
            continue;
        }
        LiteralTable reference = ReferenceTable(polish, c.mode, false);
        ASSERT_EQ(Difference(*real, reference), "") << text << "  (" << polish << ")";
        // Simplify, and once more: the second must change nothing on either side.
        for (int pass = 1; pass <= 2; ++pass) {
            ASSERT_TRUE(real->Simplify(ss.session.computation).ok());
            reference.Simplify();
            ASSERT_EQ(Difference(*real, reference), "")
                << "simplified " << pass << "x: " << text << "  (" << polish << ")";
        }
    }
    RecordProperty("skipped", skipped);
    EXPECT_LT(skipped, c.formulas / 10);
    EXPECT_TRUE(ss.prompts.messages.empty()) << ss.prompts.messages.front();
}

TEST_P(LiteralOracle, BinaryCombinations) {
    const OracleCase& c = GetParam();
    ScriptedSession ss(c.mode);
    const std::vector<std::string> texts = RandomTexts(2);
    const char ops[] = {'1', '2', '6', '7'};
    int compared = 0;
    int skipped = 0;
    int intended = 0;
    for (size_t n = 0; n + 1 < texts.size(); n += 2) {
        const std::string polish1 = PolishOf(texts[n], c.mode);
        const std::string polish2 = PolishOf(texts[n + 1], c.mode);
        for (bool simplified : {false, true}) {
            const auto real1 = RealTable(polish1, ss.session, simplified);
            const auto real2 = RealTable(polish2, ss.session, simplified);
            const LiteralTable ref1 = ReferenceTable(polish1, c.mode, simplified);
            const LiteralTable ref2 = ReferenceTable(polish2, c.mode, simplified);
            for (char op : ops) {
                for (bool requireAntecedent : {false, true}) {
                    const std::string what = std::string(simplified ? "simplified " : "") + "(" +
                                             texts[n] + ") " + op + (requireAntecedent ? "T" : "") +
                                             " (" + texts[n + 1] + ")";
                    clsTruthTable real(c.mode);
                    ASSERT_TRUE(real.generateFromBinary(*real1, *real2, op, requireAntecedent,
                                                        ss.session.computation)
                                    .ok());
                    if (real.nbrTruthCombos() > MaxReferenceRows(c.mode)) {
                        ++skipped;
                        continue;
                    }
                    LiteralTable reference(c.mode);
                    reference.generateFromBinary(ref1, ref2, std::string(1, op),
                                                 requireAntecedent ? "T" : "");
                    if (KeepsDroppedIndividuals(real)) {
                        // The intended difference, and nothing else.
                        reference = WithoutEmptyWorlds(reference);
                        ++intended;
                    }
                    ASSERT_EQ(Difference(real, reference), "") << what;
                    ASSERT_TRUE(real.Simplify(ss.session.computation).ok());
                    reference.Simplify();
                    ASSERT_EQ(Difference(real, reference), "") << "then simplified: " << what;
                    ++compared;
                }
            }
        }
    }
    RecordProperty("compared", compared);
    RecordProperty("skipped", skipped);
    RecordProperty("intended", intended);
    EXPECT_GT(compared, static_cast<int>(texts.size()) * 6);
    EXPECT_LT(skipped, compared / 10);
    EXPECT_TRUE(ss.prompts.messages.empty()) << ss.prompts.messages.front();
}

struct Replay {
    bool droppedIndividualsMeet = false;  // the intended difference applies
    int largestTable = 0;                 // rows of the largest table combined or built
};

// Repeats the engine's argument test step by step to see which tables it combines.
Replay ReplayArgument(Session& session) {
    Replay replay;
    auto combine = [&](const clsTruthTable& a, const clsTruthTable& b, char op) {
        auto combined = std::make_shared<clsTruthTable>(session.mode);
        EXPECT_TRUE(combined->generateFromBinary(a, b, op, op == '7', session.computation).ok());
        replay.droppedIndividualsMeet =
            replay.droppedIndividualsMeet || KeepsDroppedIndividuals(*combined);
        replay.largestTable = std::max(replay.largestTable, combined->nbrTruthCombos());
        EXPECT_TRUE(combined->Simplify(session.computation).ok());
        return combined;
    };
    std::shared_ptr<const clsTruthTable> running;
    for (int line = 0; line < kLineCount; ++line) {
        const auto& table = session.lines[line].table;
        if (table) replay.largestTable = std::max(replay.largestTable, table->nbrTruthCombos());
        if (line == 0 || !table) continue;
        running = running ? combine(*running, *table, '1') : table;
    }
    if (running) (void)combine(*running, *session.lines[0].table, '7');
    return replay;
}

TEST_P(LiteralOracle, Arguments) {
    const OracleCase& c = GetParam();
    const std::vector<std::string> texts = RandomTexts(3);
    std::mt19937 rng(c.seed);
    int compared = 0;
    int skipped = 0;
    size_t next = 0;
    for (int n = 0; next < texts.size(); ++n) {
        // 0 to 3 premises, in slots that leave gaps.
        std::vector<std::string> lines(kLineCount);
        const int premises = n % 4;
        for (int p = 0; p <= premises && next < texts.size(); ++p) {
            const int slot = p == premises ? 0 : 1 + static_cast<int>(rng() % (kLineCount - 1));
            lines[slot] = texts[next++];
        }
        if (lines[0].empty()) continue;
        for (bool simplifyLines : {true, false}) {
            ScriptedSession ss(c.mode);
            ss.session.options.eliminateUnneeded = simplifyLines;
            std::vector<std::string> polish(kLineCount);
            std::string argument;
            for (int line = 0; line < kLineCount; ++line) {
                if (lines[line].empty()) continue;
                polish[line] = PolishOf(lines[line], c.mode);
                LineTable built = BuildLineTable(polish[line], ss.session.mode, ss.session.options,
                                                 ss.session.computation);
                ASSERT_TRUE(built.status.ok()) << lines[line];
                ss.session.lines[line].table = built.table;
                argument += std::to_string(line) + ": " + lines[line] + "\n";
            }
            const Replay replay = ReplayArgument(ss.session);
            if (replay.droppedIndividualsMeet || replay.largestTable > MaxReferenceRows(c.mode)) {
                ++skipped;
                continue;
            }
            const Evaluation real =
                EvaluateArgument(ss.session.lines, ss.session.mode, ss.session.computation);
            ASSERT_TRUE(real.status.ok()) << argument;
            const LiteralEvaluation reference = LiteralEvaluate(c.mode, polish, simplifyLines);
            ASSERT_EQ(real.verdict, reference.verdict) << argument;
            ASSERT_EQ(Difference(*real.comparisonTable, reference.comparison), "") << argument;
            EXPECT_TRUE(ss.prompts.messages.empty()) << argument;
            ++compared;
        }
    }
    RecordProperty("compared", compared);
    RecordProperty("skipped", skipped);
    EXPECT_GT(compared, c.formulas / 3);
    EXPECT_LT(skipped, compared / 5);
}

// Tables of regions alone over more than sixteen of them are looked up and simplified by
// hash, smaller ones directly by their flags. Every region over the letters A to D, with
// +E and +A+E, makes seventeen; a region can be inhabited only when every region over
// fewer of its letters is, which keeps the worlds few (482).
TEST(LiteralOracleWide, SeventeenRegionsAlone) {
    std::vector<std::string> some;  // "exists x (Ax and Cx)" and so on
    for (const char* letters : {"A", "B", "C", "D", "AB", "AC", "AD", "BC", "BD", "CD", "ABC",
                                "ABD", "ACD", "BCD", "ABCD", "E", "AE"}) {
        std::string inner;
        for (const char* l = letters; *l != '\0'; ++l) {
            inner += std::string(inner.empty() ? "" : " and ") + *l + "x";
        }
        some.push_back("exists x (" + inner + ")");
    }
    std::string chain = some[0];  // the first sixteen joined by "iff", left to right
    for (int k = 1; k < 16; ++k) chain = "(" + chain + ") iff " + some[k];
    // The seventeenth region changes no value, so simplification may drop it.
    const std::string text = "(" + chain + ") and (" + some[16] + " or not " + some[16] + ")";
    ScriptedSession ss(Mode::Predicate);
    const std::string polish = PolishOf(text, Mode::Predicate);
    auto real = RealTable(polish, ss.session, false);
    ASSERT_EQ(real->nbrIntTerms(), 17);
    ASSERT_EQ(real->nbrTruthCombos(), 482);
    LiteralTable reference = ReferenceTable(polish, Mode::Predicate, false);
    EXPECT_EQ(Difference(*real, reference), "");
    ASSERT_TRUE(real->Simplify(ss.session.computation).ok());
    reference.Simplify();
    EXPECT_LT(real->nbrIntTerms(), 17);
    EXPECT_EQ(Difference(*real, reference), "");
}

struct TypedArgument {
    const char* name;
    Mode mode;
    std::vector<std::string> premises;
    const char* conclusion;
};
void PrintTo(const TypedArgument& c, std::ostream* os) { *os << c.conclusion; }

class LiteralOracleTyped : public ::testing::TestWithParam<TypedArgument> {};

// Whole arguments as a student types them, set-theory statements through their translation.
TEST_P(LiteralOracleTyped, SameComparison) {
    const TypedArgument& a = GetParam();
    for (bool simplifyLines : {true, false}) {
        ScriptedSession ss(a.mode);
        ss.session.options.eliminateUnneeded = simplifyLines;
        std::vector<std::string> polish(kLineCount);
        auto read = [&](int line, const std::string& text) {
            const LineOutcome outcome = ReadLine(text, line, ReadKind::Edit, ss.session);
            ASSERT_EQ(outcome.result, LineResult::Built) << text;
            polish[line] = outcome.parse.PolishStr;
        };
        for (size_t k = 0; k < a.premises.size(); ++k) read(static_cast<int>(k) + 1, a.premises[k]);
        read(0, a.conclusion);
        ASSERT_FALSE(ReplayArgument(ss.session).droppedIndividualsMeet);
        const Evaluation real =
            EvaluateArgument(ss.session.lines, ss.session.mode, ss.session.computation);
        ASSERT_TRUE(real.status.ok());
        const LiteralEvaluation reference = LiteralEvaluate(a.mode, polish, simplifyLines);
        EXPECT_EQ(real.verdict, reference.verdict) << a.conclusion;
        EXPECT_EQ(Difference(*real.comparisonTable, reference.comparison), "") << a.conclusion;
    }
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, LiteralOracleTyped,
    ::testing::Values(TypedArgument{"WeatherForecast",
                                    Mode::Propositional,
                                    {"(r and k) implies p", "k iff (t and a)", "s or not t",
                                     "(not p) implies u", "(s implies c) and (c implies s)",
                                     "a and not c", "r"},
                                    "u"},
                      TypedArgument{"SingleSexClassroom",
                                    Mode::Predicate,
                                    {"forall x (Ax or Bx)",
                                     "forall x (Ax implies Mx) or forall x (Ax implies Fx)",
                                     "forall x (Bx implies Mx) iff forall x (Ax implies Fx)",
                                     "Fm and Wm", "not exists x exists y (Wx and Wy and Mx and Fy)",
                                     "exists w (Ww and Aw)", "forall x (Mx implies not Fx)"},
                                    "forall x (Bx implies Mx)"},
                      TypedArgument{"Quadrilaterals",
                                    Mode::SetTheory,
                                    {"P intersection T = nullset",
                                     "H subset P and exists h (h belongs H and h belongs R')",
                                     "S = H.R", "f belongs S"},
                                    "not f belongs T"},
                      TypedArgument{"DisjointSubsets",
                                    Mode::SetTheory,
                                    {"A subset B", "B intersection C = nullset"},
                                    "A intersection C = 0"}),
    [](const auto& row) { return std::string(row.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Modes, LiteralOracle,
    ::testing::Values(
        OracleCase{"Propositional", Mode::Propositional, "PpqQr", "", 1, 300, 5},
        // past 7 letters a row is found through a second lookup
        OracleCase{"PropositionalWide", Mode::Propositional, "ABCDEFGHij", "", 7, 60, 6},
        OracleCase{"Predicate", Mode::Predicate, "PQR", "xya", 2, 300, 4},
        OracleCase{"PredicateTwoIndividuals", Mode::Predicate, "PQ", "xyab", 3, 200, 4},
        OracleCase{"SetTheory", Mode::SetTheory, "PQU", "xya", 4, 300, 4},
        // U is an ordinary predicate outside set theory
        OracleCase{"NaturalLanguage", Mode::Natural, "PQU", "xya", 8, 150, 4},
        OracleCase{"PredicateQuantified", Mode::Predicate, "PQR", "xya", 5, 100, 2, 3},
        OracleCase{"SetTheoryQuantified", Mode::SetTheory, "PQU", "xya", 6, 100, 2, 3}),
    [](const ::testing::TestParamInfo<OracleCase>& param) { return param.param.name; });

}  // namespace
}  // namespace deducto::testing
