// The checker's parts on their own: the logical notation and the JSON writer.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "Json.h"
#include "Notation.h"

namespace deducto::cli {
namespace {

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
