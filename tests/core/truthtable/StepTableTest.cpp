// Step tables and argument tables: every step column against a direct evaluation of its own
// sub-formula in each row, by an evaluator written here (it reads no table), the last column
// against the line's table, the column order, the limits, and the argument table's marks
// and sentence.
#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "RandomFormulas.h"
#include "TableHelpers.h"
#include "formula/Operators.h"
#include "support/ScriptedPrompts.h"
#include "truthtable/ArgumentTable.h"
#include "truthtable/StepExport.h"
#include "truthtable/StepTable.h"
#include "truthtable/World.h"

namespace deducto::testing {
namespace {

// ---- a direct evaluator of Polish strings: letters, or cells of a world ----

class Direct {
public:
    Direct(std::string_view polish, Mode mode) : mode_(mode) {
        std::vector<int> stack;
        for (size_t pos = 0; pos < polish.size();) {
            const int length = PolishTokenLength(polish, pos, mode);
            Item item{std::string(polish.substr(pos, static_cast<size_t>(length)))};
            pos += static_cast<size_t>(length);
            const char c = item.token[0];
            if (op::IsBinary(c)) {
                item.b = stack.back();
                stack.pop_back();
                item.a = stack.back();
                stack.pop_back();
            } else if (c == op::kNot || op::IsQuantifier(c)) {
                item.a = stack.back();
                stack.pop_back();
            }
            items_.push_back(item);
            stack.push_back(static_cast<int>(items_.size()) - 1);
        }
    }

    bool Propositional(const std::string& trueLetters) const {
        trueLetters_ = trueLetters;
        return Eval(static_cast<int>(items_.size()) - 1);
    }

    bool InWorld(const World& world) const {
        world_ = &world;
        for (auto& cell : cellOf_) cell.reset();
        for (const Individual& i : world.individuals) cellOf_[i.letter - 'a'] = i.cell;
        return Eval(static_cast<int>(items_.size()) - 1);
    }

private:
    struct Item {
        std::string token;
        int a = -1;
        int b = -1;
    };

    bool Eval(int at) const {
        const Item& item = items_[static_cast<size_t>(at)];
        const char c = item.token[0];
        switch (c) {
            case op::kNot:
                return !Eval(item.a);
            case op::kAnd:
                return Eval(item.a) && Eval(item.b);
            case op::kOr:
                return Eval(item.a) || Eval(item.b);
            case op::kImplies:
                return !Eval(item.a) || Eval(item.b);
            case op::kIff:
                return Eval(item.a) == Eval(item.b);
            case op::kForall:
            case op::kExists: {
                const int v = item.token[1] - 'a';
                // A quantifier whose variable its body leaves unbound is idle.
                if (!(Free(item.a) & (1u << v))) return Eval(item.a);
                const std::optional<Region> saved = cellOf_[v];
                bool any = false;
                bool all = true;
                for (const Region cell : world_->inhabited) {
                    cellOf_[v] = cell;
                    (Eval(item.a) ? any : all) = c == op::kExists ? true : false;
                }
                cellOf_[v] = saved;
                return c == op::kExists ? any : all;
            }
            default:
                break;
        }
        if (mode_ == Mode::Propositional) return trueLetters_.find(c) != std::string::npos;
        const std::optional<Region> cell = cellOf_[item.token[1] - 'a'];
        EXPECT_TRUE(cell.has_value()) << "no cell for " << item.token;
        return cell && (cell->pos & LetterBit(c)) != 0;
    }

    std::uint32_t Free(int at) const {
        const Item& item = items_[static_cast<size_t>(at)];
        const char c = item.token[0];
        if (op::IsQuantifier(c)) return Free(item.a) & ~(1u << (item.token[1] - 'a'));
        if (c == op::kNot) return Free(item.a);
        if (op::IsBinary(c)) return Free(item.a) | Free(item.b);
        return mode_ == Mode::Propositional ? 0u : 1u << (item.token[1] - 'a');
    }

    Mode mode_;
    std::vector<Item> items_;
    mutable std::string trueLetters_;
    mutable const World* world_ = nullptr;
    mutable std::array<std::optional<Region>, 26> cellOf_;
};

std::string Polish(std::string_view text, Mode mode) {
    const ParseResult parse = BuildPolish(text, mode);
    EXPECT_TRUE(parse.ok()) << text;
    return RemoveDoubleNegations(parse.PolishStr);
}

std::string TokensOf(std::string_view text, Mode mode) { return BuildPolish(text, mode).tokenList; }

// Every step column of `table` against the direct evaluation of its Polish string.
void ExpectStepsEvaluate(const StepTable& table, Mode mode, const std::string& text) {
    const StepRows& rows = table.rows;
    std::optional<WorldFrame> frame;
    if (mode != Mode::Propositional) frame = FrameOf({rows.worlds.get()}, mode);
    for (const StepColumn& column : table.steps) {
        const Direct direct(column.PolishStr, mode);
        for (int i = 0; i < rows.count; ++i) {
            bool expected = false;
            if (mode == Mode::Propositional) {
                std::string trueLetters;
                for (int j = 0; j < static_cast<int>(rows.letters.size()); ++j) {
                    if (rows.LetterValue(i, j)) trueLetters += rows.letters[static_cast<size_t>(j)];
                }
                expected = direct.Propositional(trueLetters);
            } else {
                const std::optional<World> world = WorldFromRow(*rows.worlds, i, *frame);
                ASSERT_TRUE(world.has_value()) << text << " row " << i;
                expected = direct.InWorld(*world);
            }
            ASSERT_EQ(column.Value(i), expected)
                << text << ": column " << column.keywords << ", row " << i;
        }
    }
}

// The line's own table, every column kept, as the design builds it.
std::shared_ptr<clsTruthTable> FullTable(const std::string& polish, ScriptedSession& ss) {
    Options every;
    every.eliminateUnneeded = false;
    LineTable built = BuildLineTable(polish, ss.session.mode, every, ss.session.computation);
    EXPECT_TRUE(built.status.ok()) << built.status.message;
    return built.table;
}

void ExpectLastColumnIsTheTable(const StepTable& table, const clsTruthTable& full,
                                const std::string& text) {
    ASSERT_EQ(table.rows.count, full.nbrTruthCombos()) << text;
    std::string values;
    for (int i = 0; i < table.rows.count; ++i) values += table.steps.back().Value(i) ? 'T' : 'F';
    EXPECT_EQ(values, std::string(full.TruthValues())) << text;
}

// ---- random formulas: each column evaluates, the last is the line's table ----

struct RandomCase {
    const char* name;
    Mode mode;
    const char* letters;
    const char* variables;
    unsigned seed;
    int formulas;
    int depth;
};

class StepColumnsEvaluate : public ::testing::TestWithParam<RandomCase> {};

TEST_P(StepColumnsEvaluate, EveryColumnIsItsSubFormula) {
    const RandomCase& c = GetParam();
    ScriptedSession ss(c.mode);
    FormulaMaker maker(c.seed, c.letters, c.variables);
    for (int n = 0; n < c.formulas; ++n) {
        const std::string text = maker.Make(1 + n % c.depth).Text();
        const std::string polish = Polish(text, c.mode);
        const std::shared_ptr<clsTruthTable> full = FullTable(polish, ss);
        if (!full || full->nbrTruthCombos() > 512) continue;
        const StepTable table =
            BuildStepTable(polish, TokensOf(text, c.mode), c.mode, ss.session.computation);
        ASSERT_TRUE(table.status.ok()) << text << ": " << table.status.message;
        ExpectStepsEvaluate(table, c.mode, text);
        ExpectLastColumnIsTheTable(table, *full, text);
        // Given the full table, the same columns come out.
        const StepTable given =
            BuildStepTable(polish, TokensOf(text, c.mode), c.mode, ss.session.computation, full);
        ASSERT_EQ(given.steps.size(), table.steps.size()) << text;
        for (size_t k = 0; k < given.steps.size(); ++k) {
            EXPECT_EQ(given.steps[k].bits, table.steps[k].bits) << text;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Modes, StepColumnsEvaluate,
    ::testing::Values(
        RandomCase{"Propositional", Mode::Propositional, "pqrsT", "", 11, 300, 5},
        RandomCase{"PropositionalDeep", Mode::Propositional, "pqrstuvw", "", 12, 60, 8},
        RandomCase{"PredicateOpen", Mode::Predicate, "PQ", "xa", 13, 200, 4},
        RandomCase{"PredicateTwoIndividuals", Mode::Predicate, "PQR", "xyab", 14, 150, 4}),
    [](const auto& row) { return std::string(row.param.name); });

// ---- the columns and their order ----

struct OrderCase {
    const char* name;
    Mode mode;
    const char* text;
    std::vector<std::string> columns;  // keywords of each step column, in order
};

class StepColumnOrder : public ::testing::TestWithParam<OrderCase> {};

TEST_P(StepColumnOrder, InnermostFirstThenLeftToRight) {
    const OrderCase& c = GetParam();
    ScriptedSession ss(c.mode);
    const StepTable table = BuildStepTable(Polish(c.text, c.mode), TokensOf(c.text, c.mode), c.mode,
                                           ss.session.computation);
    ASSERT_TRUE(table.status.ok()) << table.status.message;
    std::vector<std::string> keywords;
    for (const StepColumn& column : table.steps) keywords.push_back(column.keywords);
    EXPECT_EQ(keywords, c.columns);
    EXPECT_EQ(table.steps.back().tokenList, TokensOf(c.text, c.mode));
    ExpectStepsEvaluate(table, c.mode, c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, StepColumnOrder,
    ::testing::Values(OrderCase{"OneLetter", Mode::Propositional, "p", {"p"}},
                      OrderCase{"Negation", Mode::Propositional, "not p", {"not p"}},
                      OrderCase{
                          "DoubleNegationGoes", Mode::Propositional, "not not p or q", {"p or q"}},
                      OrderCase{"InnermostFirst",
                                Mode::Propositional,
                                "((p implies q) and r) or (s implies t)",
                                {"p implies q", "s implies t", "(p implies q) and r",
                                 "((p implies q) and r) or (s implies t)"}},
                      OrderCase{"RepeatedOnce",
                                Mode::Propositional,
                                "(p and q) or not (p and q)",
                                {"p and q", "not (p and q)", "(p and q) or not (p and q)"}},
                      OrderCase{"LeftChainUnbracketed",
                                Mode::Propositional,
                                "p and q and r",
                                {"p and q", "p and q and r"}},
                      OrderCase{"RightNestingBracketed",
                                Mode::Propositional,
                                "p implies (q implies r)",
                                {"q implies r", "p implies (q implies r)"}},
                      OrderCase{"GroundAtomsAreSteps",
                                Mode::Predicate,
                                "Pa and not Qb",
                                {"Pa", "Qb", "not Qb", "Pa and not Qb"}},
                      OrderCase{"OpenPartsHaveNoColumn",
                                Mode::Predicate,
                                "forall x (Px implies Qx)",
                                {"forall x (Px implies Qx)"}},
                      OrderCase{"ClosedInsideOpen",
                                Mode::Predicate,
                                "forall x (Px implies exists y Qy) or Pa",
                                {"Pa", "exists y Qy", "forall x (Px implies exists y Qy)",
                                 "forall x (Px implies exists y Qy) or Pa"}}),
    [](const auto& row) { return std::string(row.param.name); });

// ---- limits and cancel ----

TEST(StepTableLimits, FifteenLettersGiveTheRowLimit) {
    ScriptedSession ss;
    const StepTable table = BuildStepTable("ab1c1d1e1f1g1h1i1j1k1l1m1n1o1", "", Mode::Propositional,
                                           ss.session.computation);
    EXPECT_EQ(table.status.outcome, Outcome::LimitReached);
    EXPECT_EQ(table.status.message, kTooManyRowsMessage);
}

TEST(StepTableLimits, FourteenLettersAreBuilt) {
    ScriptedSession ss;
    const StepTable table = BuildStepTable("ab1c1d1e1f1g1h1i1j1k1l1m1n1", "", Mode::Propositional,
                                           ss.session.computation);
    ASSERT_TRUE(table.status.ok());
    EXPECT_EQ(table.rows.count, 16384);
    EXPECT_TRUE(table.steps.back().Value(0));
    EXPECT_FALSE(table.steps.back().Value(1));
    EXPECT_FALSE(table.steps.back().Value(16383));
}

TEST(StepTableLimits, ACancelStopsTheColumns) {
    ScriptedSession ss(Mode::Predicate);
    ss.session.computation.progress.haltRequested = true;
    const StepTable table = BuildStepTable(Polish("Pa and exists x Qx", Mode::Predicate), "",
                                           Mode::Predicate, ss.session.computation);
    EXPECT_EQ(table.status.outcome, Outcome::Cancelled);
}

// ---- the argument table ----

struct ArgumentCase {
    const char* name;
    Mode mode;
    std::vector<const char*> premises;
    const char* conclusion;
    int premisesTrue;  // -1: not checked
    int counterexamples;
    const char* sentence;
};

class ArgumentTableRows : public ::testing::TestWithParam<ArgumentCase> {};

TEST_P(ArgumentTableRows, MarksAndSentence) {
    const ArgumentCase& c = GetParam();
    ScriptedSession ss(c.mode);
    ArgumentLines lines;
    int k = 1;
    for (const char* premise : c.premises) {
        ArgumentLine& line = lines[static_cast<size_t>(k++)];
        line.PolishStr = Polish(premise, c.mode);
        line.tokens = TokensOf(premise, c.mode);
        line.table = TableOf(premise, ss.session, true);
    }
    lines[0].PolishStr = Polish(c.conclusion, c.mode);
    lines[0].tokens = TokensOf(c.conclusion, c.mode);
    lines[0].table = TableOf(c.conclusion, ss.session, true);
    for (const bool steps : {false, true}) {
        const ArgumentTable table =
            BuildArgumentTable(lines, c.mode, steps, ss.session.computation);
        ASSERT_TRUE(table.status.ok()) << table.status.message;
        if (c.premisesTrue >= 0) {
            EXPECT_EQ(table.premisesTrueRows, c.premisesTrue);
            EXPECT_EQ(table.counterexampleRows, c.counterexamples);
        }
        EXPECT_EQ(table.sentence, c.sentence);
        ASSERT_EQ(table.lines.size(), c.premises.size() + 1);
        EXPECT_EQ(table.lines.back().caption, "Conclusion");
        // Each row's marks follow from the lines' values in it.
        for (int i = 0; i < table.rows.count; ++i) {
            bool all = true;
            for (size_t p = 0; p + 1 < table.lines.size(); ++p) {
                all = all && table.lines[p].columns.back().Value(i);
            }
            EXPECT_EQ(table.PremisesTrue(i), all) << "row " << i;
            EXPECT_EQ(table.Counterexample(i), all && !table.lines.back().columns.back().Value(i))
                << "row " << i;
        }
        // The verdict of the design agrees with the sentence.
        const Evaluation evaluation = EvaluateArgument(lines, c.mode, ss.session.computation);
        ASSERT_TRUE(evaluation.status.ok());
        const Verdict expected = table.premisesTrueRows == 0     ? Verdict::PremisesFalse
                                 : table.counterexampleRows == 0 ? Verdict::AlwaysTrue
                                 : table.counterexampleRows == table.premisesTrueRows
                                     ? Verdict::AlwaysFalse
                                     : Verdict::DoesNotFollow;
        EXPECT_EQ(evaluation.verdict, expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, ArgumentTableRows,
    ::testing::Values(
        ArgumentCase{"ModusPonens",
                     Mode::Propositional,
                     {"p", "p implies q"},
                     "q",
                     1,
                     0,
                     kConclusionTrueSentence},
        ArgumentCase{"DoesNotFollow",
                     Mode::Propositional,
                     {"p"},
                     "q",
                     2,
                     1,
                     "In 1 of the 2 rows where all premises are true the conclusion is false."},
        ArgumentCase{
            "AlwaysFalse", Mode::Propositional, {"p"}, "not p", 1, 1, kConclusionFalseSentence},
        ArgumentCase{"Inconsistent",
                     Mode::Propositional,
                     {"p", "not p"},
                     "q",
                     0,
                     0,
                     kPremisesInconsistentSentence},
        ArgumentCase{
            "NoPremises", Mode::Propositional, {}, "p or not p", 2, 0, kConclusionTrueSentence},
        ArgumentCase{"LettersOfEveryLine",
                     Mode::Propositional,
                     {"p or q", "r"},
                     "s",
                     6,
                     3,
                     "In 3 of the 6 rows where all premises are true the conclusion is false."},
        ArgumentCase{"Syllogism",
                     Mode::Predicate,
                     {"forall x (Px implies Qx)", "forall x (Qx implies Rx)"},
                     "forall x (Px implies Rx)",
                     -1,
                     0,
                     kConclusionTrueSentence},
        ArgumentCase{"IndividualCounterexample",
                     Mode::Predicate,
                     {"forall x (Px implies Qx)", "Qa"},
                     "Pa",
                     2,
                     1,
                     "In 1 of the 2 rows where all premises are true the conclusion is false."}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace deducto::testing
