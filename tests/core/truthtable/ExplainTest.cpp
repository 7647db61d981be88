// Minimal premise sets against hand-made arguments and against trying every subset, and the
// worlds of failing cases against evaluating each line's formula in them.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "RandomFormulas.h"
#include "TableHelpers.h"
#include "natural/CheckTermsModel.h"
#include "natural/WorldWords.h"
#include "support/ScriptedPrompts.h"
#include "truthtable/World.h"
#include "truthtable/WorldEvaluation.h"
#include "truthtable/modExplain.h"

namespace deducto::testing {
namespace {

Explanation ExplainSession(Session& session, Verdict verdict) {
    return ExplainArgument(session.lines, verdict, session.computation);
}

struct Explained {
    const char* name;
    Mode mode;
    std::vector<std::string> premises;  // "" leaves a slot empty
    const char* conclusion;
    const char* sentence;
};

void PrintTo(const Explained& e, std::ostream* os) { *os << e.conclusion << " / " << e.sentence; }

class HandMade : public ::testing::TestWithParam<Explained> {};

TEST_P(HandMade, NamesTheSmallestSet) {
    const Explained& e = GetParam();
    ScriptedSession ss(e.mode);
    ss.prompts.onCheckTerm = [](CheckTermsModel& dialog) { return dialog.AcceptSuggestion(); };
    const Evaluation evaluation = Evaluate(ss.session, e.premises, e.conclusion);
    ASSERT_TRUE(evaluation.status.ok());
    const Explanation explanation = ExplainSession(ss.session, evaluation.verdict);
    EXPECT_EQ(ExplanationText(explanation), e.sentence);
}

const std::vector<std::string> kWeatherWithIff = {"(r and k) iff p",
                                                  "k iff (t and a)",
                                                  "s or not t",
                                                  "(not p) implies u",
                                                  "(s implies c) and (c implies s)",
                                                  "a and not c",
                                                  "r"};

INSTANTIATE_TEST_SUITE_P(
    Arguments, HandMade,
    ::testing::Values(Explained{"FollowsFromTwoOfThree",
                                Mode::Propositional,
                                {"p", "p implies q", "r"},
                                "q",
                                "It follows from premises 1 and 2 alone."},
                      // both premises suffice alone: the first is named
                      Explained{"FirstOfTwoSufficientNamed",
                                Mode::Propositional,
                                {"p and q", "q and r"},
                                "q",
                                "It follows from premise 1 alone."},
                      Explained{"FollowsFromTheLastAlone",
                                Mode::Propositional,
                                {"r", "p implies q", "q and s"},
                                "q",
                                "It follows from premise 3 alone."},
                      Explained{"TwoInconsistentPremises",
                                Mode::Propositional,
                                {"p", "q", "not q", "not p"},
                                "r",
                                "Premises 1 and 4 cannot be true together."},
                      Explained{"FourInconsistentPremises",
                                Mode::Propositional,
                                {"p or q", "s", "p implies r", "q implies r", "not r"},
                                "t",
                                "Premises 1, 3, 4 and 5 cannot all be true together."},
                      Explained{"OneSelfContradictoryPremise",
                                Mode::Propositional,
                                {"p", "q", "r and not r"},
                                "s",
                                "Premise 3 cannot be true."},
                      Explained{"ConclusionTautology",
                                Mode::Propositional,
                                {"p"},
                                "q or not q",
                                "It is true without any premise."},
                      Explained{"ConclusionContradiction",
                                Mode::Propositional,
                                {"p"},
                                "q and not q",
                                "It is false without any premise."},
                      Explained{"OnePremiseRulesItOut",
                                Mode::Propositional,
                                {"q", "p"},
                                "not p",
                                "Premise 2 alone rules it out."},
                      Explained{"TwoPremisesRuleItOut",
                                Mode::Propositional,
                                {"p", "p implies q", "s"},
                                "not q",
                                "Premises 1 and 2 alone rule it out."},
                      Explained{"EveryPremiseNeeded",
                                Mode::Propositional,
                                {"p", "p implies q"},
                                "q",
                                "Every premise is needed."},
                      Explained{"EmptySlotsKeepTheirNumbers",
                                Mode::Propositional,
                                {"", "p implies q", "", "r", "p"},
                                "q",
                                "It follows from premises 2 and 5 alone."},
                      Explained{"TautologyWithoutPremises",
                                Mode::Propositional,
                                {},
                                "p or not p",
                                "It is true without any premise."},
                      Explained{"WeatherForecastWithIff", Mode::Propositional, kWeatherWithIff, "u",
                                "It follows from premises 1, 2, 3, 4, 5 and 6 alone."},
                      Explained{"PredicateFollowsFromTwo",
                                Mode::Predicate,
                                {"forall x (Px implies Qx)", "Rb", "Pa"},
                                "Qa",
                                "It follows from premises 1 and 3 alone."},
                      Explained{"PredicateInconsistentPremises",
                                Mode::Predicate,
                                {"exists x Px", "forall x not Px", "Qa"},
                                "Qb",
                                "Premises 1 and 2 cannot be true together."},
                      Explained{"SetTheoryFollowsFromTwo",
                                Mode::SetTheory,
                                {"A subset B", "B intersection C = nullset", "D subset A"},
                                "A intersection C = 0",
                                "It follows from premises 1 and 2 alone."},
                      Explained{"NaturalLanguageSyllogism",
                                Mode::Natural,
                                {"All philosophers are mortal.", "Socrates is a philosopher."},
                                "Socrates is mortal.",
                                "Every premise is needed."}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(Explanation, StopsWhenCancelled) {
    ScriptedSession ss;
    const Evaluation evaluation = Evaluate(ss.session, kWeatherWithIff, "u");
    ss.pump.cancelOnPump = ss.pump.pumps + 1;
    EXPECT_EQ(ExplainSession(ss.session, evaluation.verdict).status.outcome, Outcome::Cancelled);
}

struct RandomCase {
    const char* name;
    Mode mode;
    const char* letters;
    const char* variables;
    unsigned seed;
    int arguments;
};

void PrintTo(const RandomCase& c, std::ostream* os) { *os << c.name; }

class RandomArguments : public ::testing::TestWithParam<RandomCase> {
protected:
    // Reads `texts` into the session: premises 1.. then the conclusion; keeps the Polish strings.
    static std::vector<std::string> Read(Session& session, const std::vector<std::string>& texts) {
        std::vector<std::string> polish(kLineCount);
        for (size_t k = 0; k < texts.size(); ++k) {
            const int line = k + 1 == texts.size() ? 0 : static_cast<int>(k) + 1;
            const ParseResult parse = BuildPolish(texts[k], session.mode);
            polish[line] = RemoveDoubleNegations(parse.PolishStr);
            session.lines[line].table =
                BuildLineTable(polish[line], session.mode, session.options, session.computation)
                    .table;
        }
        return polish;
    }

    std::vector<std::vector<std::string>> MakeArguments() const {
        const RandomCase& c = GetParam();
        FormulaMaker maker(c.seed, c.letters, c.variables);
        std::mt19937 rng(c.seed);
        std::vector<std::vector<std::string>> arguments;
        for (int n = 0; n < c.arguments; ++n) {
            std::vector<std::string> texts;
            const int lines = 2 + static_cast<int>(rng() % 5);
            for (int k = 0; k < lines; ++k) texts.push_back(maker.Make(1 + rng() % 3).Text());
            arguments.push_back(std::move(texts));
        }
        return arguments;
    }
};

// The first subset, by size and then in premise order, whose own evaluation gives the verdict.
std::vector<int> BruteForce(Session& full, Verdict verdict) {
    std::vector<int> lines;
    for (int line = 1; line < kLineCount; ++line) {
        if (full.lines[line].table) lines.push_back(line);
    }
    const int n = static_cast<int>(lines.size());
    std::vector<std::uint32_t> sets;
    for (std::uint32_t set = 0; set < (1u << n); ++set) sets.push_back(set);
    const auto key = [n](std::uint32_t set) {
        std::vector<int> members{std::popcount(set)};
        for (int i = 0; i < n; ++i) {
            if (set & (1u << i)) members.push_back(i);
        }
        return members;
    };
    std::sort(sets.begin(), sets.end(), [&](auto a, auto b) { return key(a) < key(b); });
    for (const std::uint32_t set : sets) {
        ScriptedSession ss(full.mode);
        ss.session.lines[0].table = full.lines[0].table;
        std::vector<int> chosen;
        for (int i = 0; i < n; ++i) {
            if (!(set & (1u << i))) continue;
            ss.session.lines[lines[i]].table = full.lines[lines[i]].table;
            chosen.push_back(lines[i]);
        }
        if (EvaluateArgument(ss.session.lines, ss.session.mode, ss.session.computation).verdict ==
            verdict)
            return chosen;
    }
    return {-1};
}

TEST_P(RandomArguments, SmallestSetAgreesWithEverySubset) {
    int explained = 0;
    for (const std::vector<std::string>& texts : MakeArguments()) {
        ScriptedSession ss(GetParam().mode);
        Read(ss.session, texts);
        const Evaluation evaluation =
            EvaluateArgument(ss.session.lines, ss.session.mode, ss.session.computation);
        ASSERT_TRUE(evaluation.status.ok());
        if (!HasExplanation(evaluation.verdict)) continue;
        const Explanation explanation = ExplainSession(ss.session, evaluation.verdict);
        ASSERT_TRUE(explanation.found());
        std::string argument;
        for (const std::string& text : texts) argument += text + "\n";
        ASSERT_EQ(explanation.premises, BruteForce(ss.session, evaluation.verdict)) << argument;
        ++explained;
    }
    EXPECT_GT(explained, GetParam().arguments / 6);
}

TEST_P(RandomArguments, EveryWorldHoldsWhenEvaluatedDirectly) {
    const Mode mode = GetParam().mode;
    int worlds = 0;
    for (const std::vector<std::string>& texts : MakeArguments()) {
        ScriptedSession ss(mode);
        const std::vector<std::string> polish = Read(ss.session, texts);
        const Evaluation evaluation =
            EvaluateArgument(ss.session.lines, ss.session.mode, ss.session.computation);
        ASSERT_TRUE(evaluation.status.ok());
        if (!evaluation.doesNotFollow()) continue;
        std::vector<const clsTruthTable*> tables{evaluation.comparisonTable.get()};
        for (const ArgumentLine& line : ss.session.lines) tables.push_back(line.table.get());
        const WorldFrame frame = FrameOf(tables, mode);
        for (const int row : FailingRows(*evaluation.comparisonTable)) {
            const std::optional<World> world =
                WorldFromRow(*evaluation.comparisonTable, row, frame);
            ASSERT_TRUE(world) << texts.back();
            for (int line = 0; line < kLineCount; ++line) {
                if (polish[line].empty()) continue;
                const char direct = EvaluateInWorld(polish[line], mode, *world);
                ASSERT_EQ(direct, line == 0 ? 'F' : 'T') << "line " << line << ": " << polish[line];
                ASSERT_EQ(ValueInWorld(*ss.session.lines[line].table, *world), direct);
            }
            ++worlds;
        }
    }
    EXPECT_GT(worlds, GetParam().arguments / 4);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, RandomArguments,
    ::testing::Values(RandomCase{"Propositional", Mode::Propositional, "pqrs", "", 11, 120},
                      RandomCase{"Predicate", Mode::Predicate, "PQR", "xya", 12, 80},
                      RandomCase{"PredicateTwoIndividuals", Mode::Predicate, "PQ", "xab", 13, 80},
                      RandomCase{"SetTheory", Mode::SetTheory, "PQU", "xa", 14, 60},
                      RandomCase{"NaturalLanguage", Mode::Natural, "PQ", "xyb", 15, 60}),
    [](const auto& param) { return std::string(param.param.name); });

// A world inhabits only what its case needs, and each individual where the case puts it.
TEST(Worlds, InhabitOnlyWhatTheCaseNeeds) {
    ScriptedSession ss(Mode::Predicate);
    const Evaluation evaluation =
        Evaluate(ss.session, {"forall x (Px implies Qx)", "exists x Rx"}, "Qa");
    ASSERT_TRUE(evaluation.doesNotFollow());
    std::vector<const clsTruthTable*> tables{evaluation.comparisonTable.get()};
    for (const ArgumentLine& line : ss.session.lines) tables.push_back(line.table.get());
    const WorldFrame frame = FrameOf(tables, Mode::Predicate);
    EXPECT_EQ(frame.letters, "PQR");
    EXPECT_EQ(frame.individuals, "a");
    const std::optional<World> world = WorldFromRow(
        *evaluation.comparisonTable, FailingRows(*evaluation.comparisonTable)[0], frame);
    ASSERT_TRUE(world);
    ASSERT_EQ(world->individuals.size(), 1u);
    const Region cell = world->individuals[0].cell;
    EXPECT_TRUE(cell.neg & LetterBit('P'));
    EXPECT_TRUE(cell.neg & LetterBit('Q'));
    EXPECT_LE(world->inhabited.size(), 2u);
}

TEST(Worlds, CellsInTheLexiconsWords) {
    std::vector<LangTerm> terms(3);
    terms[0].Kind = TermKind::ClassNoun;
    terms[0].Letter = 'P';
    terms[0].Plural = "philosophers";
    terms[1].Kind = TermKind::Adjective;
    terms[1].Letter = 'M';
    terms[1].Singular = "mortal";
    terms[2].Kind = TermKind::Predicate;
    terms[2].Letter = 'D';
    terms[2].Plural = "die";
    terms[2].NegPlural = "do not die";
    const Region cell{LetterBit('P'), LetterBit('M') | LetterBit('D')};
    EXPECT_EQ(CellWords(cell, terms), "PHILOSOPHERS that DO NOT DIE and are not MORTAL");
    EXPECT_EQ(CellWords(Region{LetterBit('M'), LetterBit('P')}, terms),
              "things that are MORTAL and are not PHILOSOPHERS");
}

}  // namespace
}  // namespace deducto::testing
