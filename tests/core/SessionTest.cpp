// The session as a whole: a reset leaves it as a new one, and a session without an event
// pump still reads, evaluates and stops when told to.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ReadLine.h"
#include "Session.h"
#include "natural/TermDefinition.h"
#include "support/ScriptedPrompts.h"
#include "truthtable/modEvaluate.h"

namespace deducto::testing {
namespace {

// Every field away from its starting value, as after a session of work.
void Use(Session& session) {
    ASSERT_EQ(ReadLine("p and q", 1, ReadKind::Edit, session).result, LineResult::Built);
    session.mode = Mode::Natural;
    session.options = Options{false, true, true, true};
    ASSERT_TRUE(DefineTerm("class noun", "philosopher", session.lexicon).ok());
    session.lexicon.TermsShownCount = 1;
    session.lines[2].changed = true;
    session.lineReparse = "NYNNNNNNN";
    session.exampleLoading = true;
    session.ReparseAll = true;
    session.progress = Progress{Step::EvaluatingCombinations, 3, 8, true};
}

TEST(SessionReset, LeavesItAsANewSession) {
    ScriptedSession used(Mode::Propositional);
    Use(used.session);
    ASSERT_FALSE(static_cast<const SessionState&>(used.session) == SessionState{});

    used.session.Reset();
    ScriptedPrompts prompts;
    const Session fresh(prompts);
    EXPECT_TRUE(static_cast<const SessionState&>(used.session) == fresh);
    EXPECT_EQ(used.session.progress, fresh.progress);
    EXPECT_EQ(used.session.lexicon.UpperLetterPool, kUpperLetterPoolStart);

    // It keeps its seams: the same prompts, and its pump still runs.
    EXPECT_EQ(&used.session.prompts(), &used.prompts);
    const long long pumps = used.pump.pumps;
    EXPECT_FALSE(used.session.CheckCancel());
    EXPECT_EQ(used.pump.pumps, pumps + 1);
}

struct Unpumped {
    const char* name;
    std::vector<std::string> premises;
    std::string conclusion;
    bool halted;  // "&Cancel" was pressed before the evaluation
    Outcome outcome;
    Verdict verdict;
};
void PrintTo(const Unpumped& c, std::ostream* os) { *os << c.name; }
class WithoutAPump : public ::testing::TestWithParam<Unpumped> {};
TEST_P(WithoutAPump, ARunGoesToItsEndUnlessHalted) {
    const Unpumped& c = GetParam();
    ScriptedPrompts prompts;
    Session session(prompts);
    for (size_t k = 0; k < c.premises.size(); ++k) {
        const int line = static_cast<int>(k) + 1;
        ASSERT_TRUE(ReadLine(c.premises[k], line, ReadKind::Edit, session).ok());
    }
    ASSERT_TRUE(ReadLine(c.conclusion, 0, ReadKind::Edit, session).ok());
    session.progress.haltRequested = c.halted;
    const Evaluation result = EvaluateArgument(session.lines, session.mode, session.computation);
    EXPECT_EQ(result.status.outcome, c.outcome);
    EXPECT_EQ(result.verdict, c.verdict);
    EXPECT_TRUE(prompts.messages.empty());
}
INSTANTIATE_TEST_SUITE_P(
    Evaluation, WithoutAPump,
    ::testing::Values(
        Unpumped{"Follows", {"p", "p implies q"}, "q", false, Outcome::Done, Verdict::AlwaysTrue},
        Unpumped{"DoesNotFollow", {"p or q"}, "q", false, Outcome::Done, Verdict::DoesNotFollow},
        Unpumped{"NoPremises", {}, "p or not p", false, Outcome::Done, Verdict::AlwaysTrue},
        Unpumped{"Halted", {"p", "p implies q"}, "q", true, Outcome::Cancelled, Verdict::None}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(ComputationWithoutAPump, OnlyReadsTheHaltFlag) {
    Computation work;
    EXPECT_FALSE(work.CheckCancel());
    work.progress.haltRequested = true;
    EXPECT_TRUE(work.CheckCancel());
}

}  // namespace
}  // namespace deducto::testing
