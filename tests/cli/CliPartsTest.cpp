// The checker's parts on their own: the input reader, the logical notation and the JSON
// writer.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "ArgumentFile.h"
#include "Grade.h"
#include "Json.h"
#include "Notation.h"

namespace deducto::cli {
namespace {

TEST(ParseArgumentText, ReadsKeysInAnyCaseSkippingCommentsAndKeepingEmptySlots) {
    const ReadArgument read = ParseArgumentText(
        "\xEF\xBB\xBF# a comment\r\n\r\nMODE:  Set   Theory \r\n"
        "premise: A subset B\r\nPremise:\r\n  Conclusion :x belongs B  \r\nPremise: x belongs A");
    ASSERT_TRUE(read.ok()) << read.error;
    const ArgumentFile& argument = read.argument;
    EXPECT_EQ(argument.mode, Mode::SetTheory);
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
}

struct BadInput {
    const char* name;
    std::string text;
    const char* error;
};
void PrintTo(const BadInput& c, std::ostream* os) { *os << c.text; }

class ParseArgumentTextFails : public ::testing::TestWithParam<BadInput> {};

TEST_P(ParseArgumentTextFails, NamesTheProblemAndItsLine) {
    const ReadArgument read = ParseArgumentText(GetParam().text);
    EXPECT_EQ(read.error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, ParseArgumentTextFails,
    ::testing::Values(
        BadInput{"ModeTwice", "Mode: predicate\nMode: predicate\nConclusion: Pa\n",
                 "line 2: the mode is given twice"},
        BadInput{"SecondConclusion", "Conclusion: p\nConclusion: q\n",
                 "line 2: a second conclusion"},
        BadInput{"EmptyConclusion", "Conclusion:   \n", "line 1: the conclusion is empty"},
        BadInput{"NoKeyValue", "just words\nConclusion: p\n",
                 "line 1: expected \"Key: value\", found "
                 "\"just words\""},
        BadInput{"UnknownKeyWithControlBytes", "\x01\x02garbage\xff: x\n",
                 "line 1: unknown key \"??garbage?\" (expected Mode, Premise, Conclusion, "
                 "Term or Expect)"},
        BadInput{"UnknownTermKind", "Mode: natural language\nTerm: verb: run\nConclusion: p\n",
                 "line 2: expected \"Term: <kind>: <text>\" with the kind adjective, specific "
                 "noun, class noun or predicate"},
        BadInput{"TermOutsideNaturalLanguage",
                 "Mode: predicate\nTerm: adjective: red\nConclusion: Pa\n",
                 "line 2: Term lines belong to natural language mode (the mode is set on line "
                 "1)"},
        BadInput{"LineTooLong", "Conclusion: " + std::string(kMaxLineBytes, 'p') + "\n",
                 "line 1: longer than 4096 characters"}),
    [](const auto& row) { return std::string(row.param.name); });

struct VerdictName {
    const char* name;
    const char* text;
    std::optional<Verdict> verdict;
};
void PrintTo(const VerdictName& c, std::ostream* os) { *os << c.text; }

class VerdictNamedBy : public ::testing::TestWithParam<VerdictName> {};

TEST_P(VerdictNamedBy, ShortNameOrFullText) {
    EXPECT_EQ(VerdictNamed(GetParam().text), GetParam().verdict);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, VerdictNamedBy,
    ::testing::Values(
        VerdictName{"ShortName", "always true", Verdict::AlwaysTrue},
        VerdictName{"ShortNameAnyCaseAndSpacing", "ALWAYS  False", Verdict::AlwaysFalse},
        VerdictName{"ShortNameWithFullStop", "does not follow.", Verdict::DoesNotFollow},
        VerdictName{"PremisesInconsistent", "premises inconsistent", Verdict::PremisesFalse},
        VerdictName{"FullTextPremisesFalse",
                    "The conclusion follows because the premises are false or inconsistent.",
                    Verdict::PremisesFalse},
        VerdictName{"FullTextDoesNotFollow", "the conclusion does not follow",
                    Verdict::DoesNotFollow},
        VerdictName{"Empty", "", std::nullopt}, VerdictName{"PartOfAName", "true", std::nullopt},
        VerdictName{"TwoNamesJoined", "always true or false", std::nullopt},
        VerdictName{"FullTextCutShort", "The conclusion is always", std::nullopt}),
    [](const auto& row) { return std::string(row.param.name); });

struct Notation {
    const char* name;
    const char* tokenList;
    const char* shown;
};
void PrintTo(const Notation& c, std::ostream* os) { *os << c.tokenList; }

class DisplayFormulaShows : public ::testing::TestWithParam<Notation> {};

TEST_P(DisplayFormulaShows, TheFormulaInLogicalNotation) {
    EXPECT_EQ(DisplayFormula(GetParam().tokenList), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Tokens, DisplayFormulaShows,
    ::testing::Values(Notation{"PropositionalGrouping", "(r1k)7p", "(r ∧ k) → p"},
                      Notation{"NegationAndIff", "3p6q2r", "¬p ↔ q ∨ r"},
                      Notation{"ForAllOverGroup", "4x(Px7Qx)", "∀x(Px → Qx)"},
                      Notation{"ForAllThenConstant", "4xPx1Qa", "∀x Px ∧ Qa"},
                      Notation{"NegatedNestedExists", "35x5y(Wx1Fy)", "¬∃x∃y(Wx ∧ Fy)"},
                      Notation{"SetIntersectionEmpty", "P.T=0", "P ∩ T = ∅"},
                      Notation{"SetSubsetAndWitness", "H<P15h(h@H1h@R')",
                               "H ⊆ P ∧ ∃h(h ∈ H ∧ h ∈ R′)"},
                      Notation{"SetComplementDifference", "x@(A+B)'-C", "x ∈ (A ∪ B)′ - C"}),
    [](const auto& row) { return std::string(row.param.name); });

struct Escape {
    const char* name;
    std::string text;
    const char* json;
};

// Failures show the expected JSON, not the raw bytes.
void PrintTo(const Escape& e, std::ostream* os) { *os << e.json; }

class JsonStringEscapes : public ::testing::TestWithParam<Escape> {};

TEST_P(JsonStringEscapes, ToValidJson) { EXPECT_EQ(JsonString(GetParam().text), GetParam().json); }

INSTANTIATE_TEST_SUITE_P(
    Bytes, JsonStringEscapes,
    ::testing::Values(
        Escape{"Empty", "", "\"\""},
        Escape{"QuotesAndBackslash", "say \"p\" \\ q", R"("say \"p\" \\ q")"},
        Escape{"ShortEscapes", "a\nb\tc\rd\be\ff", R"("a\nb\tc\rd\be\ff")"},
        Escape{"ControlBytes", std::string("\x00\x01\x1f\x7f", 4), R"("\u0000\u0001\u001f\u007f")"},
        Escape{"Utf8PassesThrough", "∀x ∈ é 𝔘", "\"∀x ∈ é 𝔘\""},
        Escape{"BytesThatStartNothing", "\xff p \x80", R"("\ufffd p \ufffd")"},
        Escape{"CutShort", "\xe2\x88", R"("\ufffd\ufffd")"},
        Escape{"OverlongSlash", "\xc0\xaf", R"("\ufffd\ufffd")"},
        Escape{"Surrogate", "\xed\xa0\x80", R"("\ufffd\ufffd\ufffd")"},
        Escape{"BeyondLastCodePoint", "\xf4\x90\x80\x80", R"("\ufffd\ufffd\ufffd\ufffd")"}),
    [](const auto& row) { return std::string(row.param.name); });

// Long plain runs are passed over eight bytes at a time: a character that needs escaping
// must be found at every place within and across those words.
TEST(JsonString, FindsEveryEscapeInsideLongPlainRuns) {
    const std::vector<std::string> specials = {"\"",   "\\",   "\n",       "\x1f", "\x7f",
                                               "\x80", "\xff", "\xc3\xa9", " ",    "~"};
    for (const std::string& special : specials) {
        const std::string escaped = JsonString(special);  // short: one byte at a time
        for (size_t at = 0; at <= 20; ++at) {
            const std::string before(at, 'a');
            const std::string after(20 - at, 'z');
            EXPECT_EQ(JsonString(before + special + after),
                      "\"" + before + escaped.substr(1, escaped.size() - 2) + after + "\"")
                << escaped << " at " << at;
        }
    }
}

TEST(JsonWriter, SeparatesMembersAndItems) {
    JsonWriter json;
    json.BeginObject();
    json.Key("a");
    json.BeginArray();
    json.Int(1);
    json.Null();
    json.BeginObject();
    json.EndObject();
    json.EndArray();
    json.Key("b");
    json.StringArray({"x", "y"});
    json.EndObject();
    EXPECT_EQ(json.text(), R"({"a":[1,null,{}],"b":["x","y"]})");
}

// Arrays of table cells are written in pieces; whether kept or passed on to a sink, they
// must join into the same text as writing each string on its own.
TEST(JsonWriter, PlainStringArraysJoinWholeAcrossPieces) {
    constexpr int kCount = 40000;  // some 400 KB: several pieces
    auto cell = [](int i) { return std::string(static_cast<size_t>(i % 17), 'T') + "F"; };
    std::string expected = "{\"empty\":[],\"cells\":[";
    for (int i = 0; i < kCount; ++i) expected += (i > 0 ? ",\"" : "\"") + cell(i) + "\"";
    expected += "],\"chars\":[\"T\",\"F\",\"-\"]}";

    auto write = [&](JsonWriter& json) {
        json.BeginObject();
        json.Key("empty");
        json.PlainStringArray(0, 5, [](char* at) { return at; });
        json.Key("cells");
        int next = 0;
        json.PlainStringArray(kCount, 17, [&](char* at) {
            const std::string text = cell(next++);
            return std::copy(text.begin(), text.end(), at);
        });
        json.Key("chars");
        json.CharStringArray("TF-");
        json.EndObject();
        json.Finish();
    };
    JsonWriter kept;
    write(kept);
    EXPECT_TRUE(kept.text() == expected);
    std::ostringstream sink;
    JsonWriter passed(&sink);
    write(passed);
    EXPECT_TRUE(sink.str() == expected);
}

}  // namespace
}  // namespace deducto::cli
