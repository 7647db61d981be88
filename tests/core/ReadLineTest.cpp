// Reading one line: what each kind of line gives, where the error mark goes (in characters,
// never inside one), the messages and their order, and what the line's slot keeps.
#include <gtest/gtest.h>

#include <string>

#include "ReadLine.h"
#include "Session.h"
#include "natural/CheckTermsModel.h"
#include "natural/modLangTerms.h"
#include "support/ScriptedPrompts.h"
#include "truthtable/clsTruthTable.h"

namespace deducto::testing {
namespace {

struct Reading {
    const char* name;
    Mode mode;
    std::string typed;
    LineResult result;
    std::string shown;  // the text the line shows afterwards
    int markCharacter;  // characters before the mark; -1 when unmarked
    std::vector<std::string> messages;
};
void PrintTo(const Reading& r, std::ostream* os) { *os << r.typed; }

class ReadLineGives : public ::testing::TestWithParam<Reading> {};

TEST_P(ReadLineGives, ItsResultMarkAndMessages) {
    const Reading& r = GetParam();
    ScriptedSession ss(r.mode);
    const LineOutcome out = ReadLine(r.typed, 1, ReadKind::Edit, ss.session);
    EXPECT_EQ(out.result, r.result);
    EXPECT_EQ(out.text, r.shown);
    EXPECT_EQ(out.marked ? out.markCharacter() : -1, r.markCharacter);
    EXPECT_EQ(ss.prompts.messages, r.messages);
    EXPECT_EQ(ss.session.lines[1].table != nullptr, out.result == LineResult::Built);
    EXPECT_EQ(ss.session.entriesMade, out.result != LineResult::Blank);
}

const std::string kFortyFiveE = [] {
    std::string s;
    for (int i = 0; i < 45; ++i) s += "\xC3\xA9";  // é: 90 bytes, 45 characters
    return s;
}();

INSTANTIATE_TEST_SUITE_P(
    Lines, ReadLineGives,
    ::testing::Values(
        Reading{"Formula", Mode::Propositional, "p and q", LineResult::Built, "p and q", -1, {}},
        Reading{"Blank", Mode::Propositional, "   ", LineResult::Blank, "   ", -1, {}},
        // Old marks go before anything is read: a line of nothing else is blank.
        Reading{"OldMarkOnly", Mode::Propositional, " <-- ERROR ", LineResult::Blank, "", -1, {}},
        Reading{"OldMarkRemoved",
                Mode::Propositional,
                "p <-- ERROR  and q",
                LineResult::Built,
                "p and q",
                -1,
                {}},
        Reading{"MissingOperand",
                Mode::Propositional,
                "p and and q",
                LineResult::SyntaxError,
                "p and and <-- ERROR  q",
                9,
                {}},
        Reading{"UnclosedParenthesis",
                Mode::Propositional,
                "(p",
                LineResult::SyntaxError,
                "(p <-- ERROR ",
                2,
                {"Missing right parenthesis"}},
        // A character of several bytes is never cut: the mark follows it whole.
        Reading{"TwoByteCharacter",
                Mode::Propositional,
                "p and \xC3\xA9",
                LineResult::SyntaxError,
                "p and \xC3\xA9 <-- ERROR ",
                7,
                {"Invalid character"}},
        Reading{"ThreeByteSymbol",
                Mode::Predicate,
                "\xE2\x88\x80x Px",
                LineResult::SyntaxError,
                "\xE2\x88\x80 <-- ERROR x Px",
                1,
                {"Invalid character"}},
        // The "Syntax error" threshold counts characters, not bytes.
        Reading{"FortyFiveTwoByteCharacters",
                Mode::Propositional,
                kFortyFiveE,
                LineResult::SyntaxError,
                "\xC3\xA9 <-- ERROR " + kFortyFiveE.substr(2),
                1,
                {"Invalid character"}},
        Reading{"SyntaxErrorCountsCharacters",
                Mode::Propositional,
                "p and " + kFortyFiveE + kFortyFiveE.substr(0, 78),
                LineResult::SyntaxError,
                "p and \xC3\xA9 <-- ERROR " + kFortyFiveE.substr(2) + kFortyFiveE.substr(0, 78),
                7,
                {"Invalid character", "Syntax error"}},
        // A limit of the parser marks the line; a table too large does not.
        Reading{"NestingLimit",
                Mode::Propositional,
                std::string(501, '(') + "p",
                LineResult::LimitReached,
                std::string(501, '(') + " <-- ERROR p",
                501,
                {"Formula too deeply nested: more than 500 operators and parentheses are open at "
                 "once",
                 "Syntax error"}},
        Reading{"TooManyLetters",
                Mode::Propositional,
                "a and b and c and d and e and f and g and h and i and j and k and l and m and n "
                "and o",
                LineResult::LimitReached,
                "a and b and c and d and e and f and g and h and i and j and k and l and m and n "
                "and o",
                -1,
                {kTooManyRowsMessage}}),
    [](const auto& row) { return std::string(row.param.name); });

// Where the typed text differs from what the translator reads (spaces before the line or
// after a set name), the mark still follows the token that stopped the reading.
struct SetTheoryMark {
    const char* name;
    std::string typed;
    std::string shown;
    int markCharacter;
};
void PrintTo(const SetTheoryMark& row, std::ostream* os) { *os << row.name; }

class ReadLineMarksSetTheory : public ::testing::TestWithParam<SetTheoryMark> {};

TEST_P(ReadLineMarksSetTheory, AfterTheTokenAsTyped) {
    const SetTheoryMark& m = GetParam();
    ScriptedSession ss(Mode::SetTheory);
    const LineOutcome out = ReadLine(m.typed, 0, ReadKind::Edit, ss.session);
    EXPECT_EQ(out.result, LineResult::SyntaxError);
    EXPECT_EQ(out.text, m.shown);
    EXPECT_EQ(out.markCharacter(), m.markCharacter);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ReadLineMarksSetTheory,
    ::testing::Values(SetTheoryMark{"SetNameForAVariable", "forall A subset B",
                                    "forall A <-- ERROR  subset B", 8},
                      SetTheoryMark{"SpacesBeforeTheLine", "  A B", "  A B <-- ERROR ", 5},
                      SetTheoryMark{"SpacesAfterAnElement", "x  A  B", "x  A <-- ERROR   B", 4},
                      SetTheoryMark{"AccentedElement", "\xC3\xA9 belongs A",
                                    "\xC3\xA9 <-- ERROR  belongs A", 1}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(ReadLine, EditingReleasesTheOldTableBeforeReading) {
    ScriptedSession ss;
    ASSERT_EQ(ReadLine("p", 2, ReadKind::Edit, ss.session).result, LineResult::Built);
    ss.session.lines[2].changed = true;
    EXPECT_EQ(ReadLine("p and", 2, ReadKind::Edit, ss.session).result, LineResult::SyntaxError);
    EXPECT_EQ(ss.session.lines[2].table, nullptr);
    EXPECT_FALSE(ss.session.lines[2].changed);
    EXPECT_EQ(ss.session.lines[2].tokens, "p");  // the last successful parse
}

TEST(ReadLine, ACancelledBuildLeavesNoTable) {
    ScriptedSession ss;
    ss.pump.cancelOnPump = 1;
    int started = 0;
    int stopped = 0;
    const LineOutcome out =
        ReadLine("p or q", 0, ReadKind::Edit, ss.session, {[&] { ++started; }, [&] { ++stopped; }});
    EXPECT_EQ(out.result, LineResult::Cancelled);
    EXPECT_EQ(ss.session.lines[0].table, nullptr);
    EXPECT_EQ(started, 1);
    EXPECT_EQ(stopped, 0);  // the caller closes its frame after a cancel
    EXPECT_TRUE(ss.prompts.messages.empty());
}

TEST(ReadLine, ATableTooLargeClosesTheFrameBeforeItsMessage) {
    ScriptedSession ss;
    std::vector<std::string>& events = ss.prompts.messages;
    const LineOutcome out = ReadLine(
        "a and b and c and d and e and f and g and h and i and j and k and l and m and n and o", 0,
        ReadKind::Edit, ss.session,
        {[&] { events.emplace_back("begin"); }, [&] { events.emplace_back("end"); }});
    EXPECT_EQ(out.result, LineResult::LimitReached);
    EXPECT_EQ(events, (std::vector<std::string>{"begin", "end", kTooManyRowsMessage}));
}

// The translator writes keywords in lower case and predicates in upper case: no atom it can
// write ("Or", "Ix", ...) may be read as a keyword.
TEST(NaturalFormulas, NoAtomIsReadAsAKeyword) {
    for (const char predicate : std::string_view(kUpperLetterPoolStart)) {
        for (const char individual : std::string_view(kLowerLetterPoolStart)) {
            const std::string atom{predicate, individual};
            const ParseResult r = BuildPolish("(" + atom + ") or (" + atom + ")", Mode::Natural);
            EXPECT_EQ(r.PolishStr, atom + atom + "2") << atom;
        }
    }
}

TEST(NaturalFormulas, ASentenceWhoseLettersSpellAKeywordIsRead) {
    ScriptedSession ss(Mode::Natural);
    ss.prompts.onCheckTerm = [](CheckTermsModel& dialog) { return dialog.AcceptSuggestion(); };
    const LineOutcome out = ReadLine("Rex is old.", 0, ReadKind::Edit, ss.session);
    EXPECT_EQ(out.formulaText, "Or");
    EXPECT_EQ(out.result, LineResult::Built) << out.text;
}

}  // namespace
}  // namespace deducto::testing
