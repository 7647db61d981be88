// Reading argument files: keys, slots and terms as the file gives them, every refusal with
// its line, both sides of each limit, the byte order mark and text that is not UTF-8.
#include <gtest/gtest.h>

#include <string>

#include "file/ArgumentFile.h"

namespace deducto {
namespace {

const auto kByName = [](const auto& row) { return std::string(row.param.name); };

std::string Repeated(std::string_view piece, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += piece;
    return out;
}

TEST(ParseArgumentText, ReadsKeysInAnyCaseSkippingCommentsAndKeepingEmptySlots) {
    const ReadArgument read = ParseArgumentText(
        "\xEF\xBB\xBF# a comment\r\n\r\nMODE:  Set   Theory \r\n"
        "premise: A subset B\r\nPremise:\r\n  Conclusion :x belongs B  \r\nPremise: x belongs A");
    ASSERT_TRUE(read.ok()) << read.error;
    const ArgumentFile& argument = read.argument;
    EXPECT_EQ(argument.mode, Mode::SetTheory);
    EXPECT_EQ(argument.header, std::vector<std::string>{"# a comment"});
    ASSERT_EQ(argument.lines.size(), 4u);
    const int indices[] = {1, 2, 0, 3};
    const char* texts[] = {"A subset B", "", "x belongs B", "x belongs A"};
    const int fileLines[] = {4, 5, 6, 7};
    for (std::size_t i = 0; i < argument.lines.size(); ++i) {
        EXPECT_EQ(argument.lines[i].index, indices[i]);
        EXPECT_EQ(argument.lines[i].text, texts[i]);
        EXPECT_EQ(argument.lines[i].fileLine, fileLines[i]);
    }
}

TEST(ParseArgumentText, KeepsTermsInOrderInNaturalLanguage) {
    const ReadArgument read = ParseArgumentText(
        "Term: Class  Noun: number\nTerm: predicate: can be expressed as a fraction\n"
        "Mode: natural language\nConclusion: Every number is real.\n");
    ASSERT_TRUE(read.ok()) << read.error;
    ASSERT_EQ(read.argument.terms.size(), 2u);
    EXPECT_EQ(read.argument.terms[0].kind, "class noun");
    EXPECT_EQ(read.argument.terms[0].text, "number");
    EXPECT_EQ(read.argument.terms[1].kind, "predicate");
    EXPECT_EQ(read.argument.terms[1].fileLine, 2);
}

// The header ends at the first line that is neither blank nor a comment, and the blank
// lines that set it apart from the argument are not part of it.
TEST(ParseArgumentText, HeaderIsTheCommentsBeforeTheFirstKey) {
    const ReadArgument read = ParseArgumentText(
        "# Syllogism\r\n\n  # indented\t\n\n\nMode: predicate\n# not header\nConclusion: Pa\n");
    ASSERT_TRUE(read.ok()) << read.error;
    EXPECT_EQ(read.argument.header,
              (std::vector<std::string>{"# Syllogism", "", "  # indented\t"}));
}

struct Refusal {
    const char* name;
    std::string text;
    const char* error;
};

class ParseArgumentTextFails : public ::testing::TestWithParam<Refusal> {};

TEST_P(ParseArgumentTextFails, NamesTheProblemAndItsLine) {
    const Refusal& r = GetParam();
    EXPECT_EQ(ParseArgumentText(r.text).error, r.error);
    // The window refuses what the checker refuses, with the same words, but for half-done
    // work without a conclusion, which it opens again.
    const bool halfDone = std::string_view(r.name) == "NoConclusion";
    EXPECT_EQ(ReadArgumentFile(r.text).error, halfDone ? "" : r.error);
}

INSTANTIATE_TEST_SUITE_P(
    Mistakes, ParseArgumentTextFails,
    ::testing::Values(
        Refusal{"ModeTwice", "Mode: predicate\nMode: predicate\nConclusion: Pa\n",
                "line 2: the mode is given twice"},
        Refusal{"UnknownMode", "Mode: modal logic\nConclusion: p\n",
                "line 1: unknown mode \"modal logic\" (expected propositional, predicate, set "
                "theory or natural language)"},
        Refusal{"SecondConclusion", "Conclusion: p\nConclusion: q\n",
                "line 2: a second conclusion"},
        Refusal{"EmptyConclusion", "Conclusion:   \n", "line 1: the conclusion is empty"},
        Refusal{"NoConclusion", "# only\nPremise: p\n",
                "no Conclusion line: there is nothing to test"},
        Refusal{"NoColon", "just words\nConclusion: p\n",
                "line 1: expected \"Key: value\", found \"just words\""},
        Refusal{"UnknownKeyQuotedSafely", "\x01\x02garbage \xC3\xA9: x\n",
                "line 1: unknown key \"??garbage ??\" (expected Mode, Premise, Conclusion, "
                "Term or Expect)"},
        Refusal{"UnknownTermKind", "Mode: natural language\nTerm: verb: run\nConclusion: p\n",
                "line 2: expected \"Term: <kind>: <text>\" with the kind adjective, specific "
                "noun, class noun or predicate"},
        Refusal{"TermWithoutKind", "Mode: natural language\nTerm: red\nConclusion: p\n",
                "line 2: expected \"Term: <kind>: <text>\" with the kind adjective, specific "
                "noun, class noun or predicate"},
        Refusal{"TermWithoutText", "Mode: natural language\nTerm: adjective:  \nConclusion: p\n",
                "line 2: the term has no text"},
        Refusal{"TermOutsideNaturalLanguage",
                "Mode: predicate\nTerm: adjective: red\nConclusion: Pa\n",
                "line 2: Term lines belong to natural language mode (the mode is set on line "
                "1)"},
        Refusal{"TermWithoutMode", "Term: adjective: red\nConclusion: Pa\n",
                "line 1: Term lines belong to natural language mode"},
        Refusal{"UnknownVerdict", "Conclusion: p\nExpect: yes\n",
                "line 2: unknown verdict \"yes\" (expected \"always true\", \"does not follow\", "
                "\"always false\", \"premises inconsistent\" or a verdict's full text)"},
        Refusal{"SecondExpect", "Conclusion: p\nExpect: always true\nExpect: always true\n",
                "line 3: a second Expect line"},
        Refusal{"NulByte", std::string("Conclusion: p\0q\n", 16),
                "the input is not a text file (it holds NUL bytes)"},
        // Only the first mark is taken off: a second one is part of the first key.
        Refusal{"SecondByteOrderMark", "\xEF\xBB\xBF\xEF\xBB\xBFMode: predicate\nConclusion: Pa\n",
                "line 1: unknown key \"???Mode\" (expected Mode, Premise, Conclusion, Term or "
                "Expect)"}),
    kByName);

// Whatever the file holds, text that is not UTF-8 is refused first, with its line.
INSTANTIATE_TEST_SUITE_P(
    NotUtf8, ParseArgumentTextFails,
    ::testing::Values(
        Refusal{"Latin1", "# caf\xE9\nConclusion: p\n", "line 1: not UTF-8 text"},
        Refusal{"Latin1AfterByteOrderMark",
                "\xEF\xBB\xBFMode: propositional\r\n\r\nConclusion: p \xFF q\r\n",
                "line 3: not UTF-8 text"},
        Refusal{"StrayContinuation", "Conclusion: p\nPremise: \x80\n", "line 2: not UTF-8 text"},
        Refusal{"CutShortAtTheEnd", "Conclusion: p \xE2\x88", "line 1: not UTF-8 text"},
        Refusal{"OverlongSlash", "Premise: \xC0\xAF\nConclusion: p\n", "line 1: not UTF-8 text"},
        Refusal{"Surrogate", "Conclusion: p\n\n\n# \xED\xA0\x80\n", "line 4: not UTF-8 text"},
        Refusal{"BeyondUnicode", "Conclusion: \xF4\x90\x80\x80\n", "line 1: not UTF-8 text"},
        Refusal{"BeforeNulBytes", std::string("Conclusion: \xFFp\0\n", 16),
                "line 1: not UTF-8 text"}),
    kByName);

struct Limit {
    const char* name;
    std::string text;
    const char* error;  // "" when the text is accepted
};

class ReadingLimits : public ::testing::TestWithParam<Limit> {};

TEST_P(ReadingLimits, HoldOnBothSides) {
    const Limit& l = GetParam();
    EXPECT_EQ(ReadArgumentFile(l.text).error, l.error);
}

// Characters, not bytes: each "é" is two bytes, each "𝔘" four.
const std::string kLine100 = Repeated("\xC3\xA9", 60) + Repeated("\xF0\x9D\x94\x98", 40);

INSTANTIATE_TEST_SUITE_P(
    Sizes, ReadingLimits,
    ::testing::Values(
        Limit{"Conclusion100Characters", "Conclusion: " + kLine100 + "\n", ""},
        Limit{"Conclusion101Characters", "Conclusion: " + kLine100 + "p\n",
              "line 1: longer than 100 characters, more than a line holds"},
        Limit{"Premise100CharactersBlanksAround",
              "Premise: \t " + kLine100 + " \r\nConclusion: p\n", ""},
        Limit{"Premise101Characters", "Conclusion: p\nPremise: p" + kLine100 + "\n",
              "line 2: longer than 100 characters, more than a line holds"},
        // Characters, not bytes: each "é" is two bytes, and the line end does not count.
        Limit{"Line4096Characters", "# " + Repeated("\xC3\xA9", 4094) + "\nConclusion: p\n", ""},
        Limit{"Line4097Characters", "Conclusion: p\n# " + Repeated("\xC3\xA9", 4094) + "x\n",
              "line 2: longer than 4096 characters"},
        Limit{"Line4096CharactersWithItsReturn",
              "# " + std::string(4094, 'x') + "\r\nConclusion: p\n", ""},
        Limit{"Line4097CharactersWithItsReturn",
              "# " + std::string(4095, 'x') + "\r\nConclusion: p\n",
              "line 1: longer than 4096 characters"},
        Limit{"EightPremises", Repeated("Premise: p\n", 8) + "Conclusion: p\n", ""},
        Limit{"NinePremises", Repeated("Premise: p\n", 9) + "Conclusion: p\n",
              "line 9: more than 8 premises"}),
    kByName);

// The checker's own reading has no line limit of the window's.
TEST(ParseArgumentText, TakesLinesLongerThanTheWindowHolds) {
    const ReadArgument read = ParseArgumentText("Conclusion: " + std::string(300, 'p') + "\n");
    ASSERT_TRUE(read.ok()) << read.error;
    EXPECT_EQ(read.argument.lines[0].text.size(), 300u);
}

struct VerdictName {
    const char* name;
    const char* text;
    std::optional<Verdict> verdict;
};

class VerdictNamedBy : public ::testing::TestWithParam<VerdictName> {};

TEST_P(VerdictNamedBy, ShortNameOrFullText) {
    EXPECT_EQ(VerdictNamed(GetParam().text), GetParam().verdict);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, VerdictNamedBy,
    ::testing::Values(
        VerdictName{"AlwaysTrue", "always true", Verdict::AlwaysTrue},
        VerdictName{"AnyCaseAndSpacing", "ALWAYS  False", Verdict::AlwaysFalse},
        VerdictName{"FinalPeriod", "does not follow.", Verdict::DoesNotFollow},
        VerdictName{"PremisesInconsistent", "premises inconsistent", Verdict::PremisesFalse},
        VerdictName{"FullText",
                    "The conclusion follows because the premises are false or inconsistent.",
                    Verdict::PremisesFalse},
        VerdictName{"FullTextWithoutPeriod", "the conclusion does not follow",
                    Verdict::DoesNotFollow},
        VerdictName{"Empty", "", std::nullopt}, VerdictName{"PartOfAName", "true", std::nullopt},
        VerdictName{"MoreThanAName", "always true or false", std::nullopt},
        VerdictName{"PartOfAText", "The conclusion is always", std::nullopt}),
    kByName);

}  // namespace
}  // namespace deducto
