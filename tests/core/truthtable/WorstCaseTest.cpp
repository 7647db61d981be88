// Arguments a student can type that are hardest for the region tables (many predicates of
// one individual joined by "or" or parity, many premises over many letters, one long
// conjunction): the engine's verdict on each must be the one found by checking every model,
// and those beyond the row limit must stop with that message.
#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "ModelCheck.h"
#include "ReadLine.h"
#include "support/ScriptedPrompts.h"
#include "truthtable/clsTruthTable.h"

namespace deducto::testing {
namespace {

struct WorstCase {
    const char* file;
    bool overLimit = false;
};

void PrintTo(const WorstCase& c, std::ostream* os) { *os << c.file; }

struct Argument {
    Mode mode = Mode::Propositional;
    std::vector<std::string> premises;
    std::string conclusion;
};

// The checker's input layout: "Mode:", "Premise:" and "Conclusion:" lines, "#" comments.
Argument ReadArgument(const std::string& path) {
    std::ifstream in(path);
    EXPECT_TRUE(in) << path;
    Argument argument;
    std::string line;
    while (std::getline(in, line)) {
        const size_t colon = line.find(':');
        if (line.empty() || line[0] == '#' || colon == std::string::npos) continue;
        const std::string key = line.substr(0, colon);
        const std::string value = line.substr(line.find_first_not_of(' ', colon + 1));
        if (key == "Mode") {
            argument.mode = value == "predicate" ? Mode::Predicate : Mode::Propositional;
        } else if (key == "Premise") {
            argument.premises.push_back(value);
        } else if (key == "Conclusion") {
            argument.conclusion = value;
        }
    }
    return argument;
}

class WorstCases : public ::testing::TestWithParam<WorstCase> {};

TEST_P(WorstCases, VerdictIsTheOneEveryModelGives) {
    const Argument argument = ReadArgument(std::string(DEDUCTO_WORST_DIR) + "/" + GetParam().file);
    ScriptedSession ss(argument.mode);
    Session& session = ss.session;
    const bool propositional = argument.mode == Mode::Propositional;

    std::vector<Formula> premises;
    Formula conclusion;
    std::string letters;
    Status limit;
    auto read = [&](int line, const std::string& text) {
        const LineOutcome outcome = ReadLine(text, line, ReadKind::Edit, session);
        ASSERT_FALSE(outcome.unread()) << text;
        const std::string& polish = outcome.parse.PolishStr;
        (line == 0 ? conclusion : premises.emplace_back()) =
            FormulaFromPolish(polish, propositional);
        for (size_t i = 0; i < polish.size(); ++i) {
            const char c = polish[i];
            const bool letter = propositional ? std::isalpha(static_cast<unsigned char>(c))
                                              : std::isupper(static_cast<unsigned char>(c));
            if (letter && letters.find(c) == std::string::npos) letters += c;
        }
        if (outcome.result == LineResult::LimitReached) limit = Status::Limit(outcome.message);
    };
    for (size_t k = 0; k < argument.premises.size(); ++k) {
        read(static_cast<int>(k) + 1, argument.premises[k]);
    }
    read(0, argument.conclusion);

    if (GetParam().overLimit) {
        EXPECT_EQ(limit.outcome, Outcome::LimitReached);
        EXPECT_EQ(limit.message, kTooManyRowsMessage);
        return;
    }
    ASSERT_TRUE(limit.ok()) << limit.message;
    const Evaluation result = EvaluateArgument(session.lines, session.mode, session.computation);
    ASSERT_TRUE(result.status.ok()) << result.status.message;
    const Verdict expected = propositional ? PropositionalVerdict(premises, conclusion, letters)
                                           : MonadicVerdict(premises, conclusion, letters);
    EXPECT_EQ(result.verdict, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, WorstCases,
    ::testing::Values(WorstCase{"g_or_const_n07.txt"}, WorstCase{"g_or_const_n08.txt"},
                      WorstCase{"g_or_const_n09.txt"}, WorstCase{"g_parity_const_n06.txt"},
                      WorstCase{"g_parity_const_n07.txt"}, WorstCase{"g_parity_const_n08.txt"},
                      WorstCase{"g_parity_const_n09.txt"}, WorstCase{"g_parity_const_n10.txt"},
                      WorstCase{"w01_prop14_allconn_8prem.txt"},
                      WorstCase{"w02_prop14_parity_8prem.txt"},
                      WorstCase{"w03_prop14_balanced_depth7.txt"},
                      WorstCase{"w04_prop14_balanced_depth8.txt"},
                      WorstCase{"w12_pred_8prem_9pred_one_const.txt"},
                      WorstCase{"w13_pred_8prem_7pred_2const_ground.txt"},
                      WorstCase{"w18_pred_one_line_14pred_and.txt"},
                      WorstCase{"w19_pred_2prem_10pred_one_const.txt"},
                      WorstCase{"w20_pred_one_line_15pred_and_overlimit.txt", true},
                      WorstCase{"w22_pred_one_line_20pred_and_overlimit.txt", true}),
    [](const ::testing::TestParamInfo<WorstCase>& worst) {
        const std::string file = worst.param.file;
        return file.substr(0, file.find('.'));
    });

}  // namespace
}  // namespace deducto::testing
