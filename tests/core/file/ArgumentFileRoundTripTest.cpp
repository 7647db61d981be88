// What the writer writes, the reader reads back as the same argument, and writing that
// again gives the same text: in every mode, with empty premise slots, answer keys, headers
// and terms whose forms were corrected by hand.
#include <gtest/gtest.h>

#include <string>

#include "file/ArgumentFile.h"
#include "natural/TermDefinition.h"
#include "support/ScriptedPrompts.h"

namespace deducto {
namespace {

// Every field the writer writes, one a line, so that a difference shows where it is.
std::string Summary(const ArgumentText& argument) {
    std::string out = std::string("mode ") + ModeName(argument.mode) + '\n';
    for (const std::string& line : argument.header) out += "header [" + line + "]\n";
    for (const TermLine& term : argument.terms) out += term.kind + ": " + term.text + '\n';
    out += std::string("expect ") + (argument.expected ? VerdictText(*argument.expected) : "-");
    for (int k = 0; k < kLineCount; ++k) out += "\n" + std::to_string(k) + " " + argument.lines[k];
    return out;
}

struct Written {
    const char* name;
    ArgumentText argument;
};

class ArgumentRoundTrip : public ::testing::TestWithParam<Written> {};

TEST_P(ArgumentRoundTrip, ReadsBackTheArgumentThatWasWritten) {
    const ArgumentText& argument = GetParam().argument;
    const std::string text = WriteArgumentFile(argument);
    const ReadArgumentText read = ReadArgumentFile(text);
    ASSERT_TRUE(read.ok()) << read.error << "\n" << text;
    EXPECT_EQ(Summary(read.argument), Summary(argument)) << text;
    EXPECT_EQ(WriteArgumentFile(read.argument), text);
}

ArgumentText Argument(Mode mode, std::array<std::string, kLineCount> lines,
                      std::optional<Verdict> expected = std::nullopt,
                      std::vector<std::string> header = {}, std::vector<TermLine> terms = {}) {
    ArgumentText argument;
    argument.mode = mode;
    argument.lines = std::move(lines);
    argument.expected = expected;
    argument.header = std::move(header);
    argument.terms = std::move(terms);
    return argument;
}

const std::string kHundredCharacters = [] {
    std::string text;
    for (int i = 0; i < 50; ++i) text += "\xC3\xA9\xE4\xB8\xAD";  // "é中": two bytes and three
    return text;
}();

INSTANTIATE_TEST_SUITE_P(
    Arguments, ArgumentRoundTrip,
    ::testing::Values(
        Written{"ConclusionAlone", Argument(Mode::Propositional, {"p or not p"})},
        // Half-done work: the window saves it and opens it again.
        Written{"PremisesWithoutConclusion",
                Argument(Mode::Propositional, {"", "p implies q", "p"})},
        Written{"NothingYet", Argument(Mode::Predicate, {})},
        Written{"Propositional",
                Argument(Mode::Propositional, {"q", "p implies q", "p"}, Verdict::AlwaysTrue)},
        Written{
            "PredicateWithEmptySlots",
            Argument(Mode::Predicate, {"exists x Qx", "", "forall x (Px implies Qx)", "", "", "Pa"},
                     Verdict::DoesNotFollow)},
        Written{"SetTheoryEveryPremise",
                Argument(Mode::SetTheory,
                         {"x belongs C", "A subset B", "B subset C", "x belongs A", "A subset A",
                          "B subset B", "C subset C", "A subset C", "x belongs B"},
                         Verdict::AlwaysFalse)},
        Written{
            "NaturalLanguageWithCorrectedTerms",
            Argument(Mode::Natural,
                     {"Some datum is wise.", "Every philosopher is wise.",
                      "Socrates is a philosopher."},
                     Verdict::PremisesFalse, {"# Terms of every kind."},
                     {{"adjective", "wise", 0},
                      {"specific noun", "socrates", 0},
                      {"class noun", "philosopher", 0},
                      {"predicate", "is mortal | are mortal | is not mortal | are not mortal", 0},
                      {"class noun", "datum | dataset | non-datum | non-dataset", 0}})},
        Written{"HeaderKept",
                Argument(Mode::Predicate, {"Pa"}, std::nullopt,
                         {"# A title", "#", "", "  # indented,\twith a tab", "#no space"})},
        Written{"HundredCharacterLines",
                Argument(Mode::Propositional, {"p" + kHundredCharacters.substr(2),
                                               "q" + kHundredCharacters.substr(2)})}),
    [](const auto& row) { return std::string(row.param.name); });

// The terms of a lexicon, written and read into another, give the same lexicon: every form,
// kind and letter, whether the forms were derived or corrected by hand.
TEST(ArgumentRoundTrip, ReadsBackTheLexiconThatWasWritten) {
    testing::ScriptedSession first(Mode::Natural);
    for (const auto& [kind, text] : std::vector<std::pair<const char*, const char*>>{
             {"class noun", "man | menfolk | non-man | non-men"},
             {"adjective", "wise"},
             {"adjective", "brave | cowardly"},
             {"specific noun", "socrates"},
             {"predicate", "can fly | can fly | cannot fly | cannot fly"},
             {"class noun", "sheep"}}) {
        ASSERT_TRUE(DefineTerm(kind, text, first.session.lexicon).ok()) << text;
    }
    ArgumentText written;
    written.mode = Mode::Natural;
    written.terms = LexiconTerms(first.session.lexicon);
    written.lines[0] = "Socrates is a man.";
    const ReadArgumentText read = ReadArgumentFile(WriteArgumentFile(written));
    ASSERT_TRUE(read.ok()) << read.error;

    testing::ScriptedSession second(Mode::Natural);
    for (const TermLine& term : read.argument.terms) {
        ASSERT_TRUE(DefineTerm(term.kind, term.text, second.session.lexicon).ok()) << term.text;
    }
    const std::vector<LangTerm>& before = first.session.lexicon.Terms;
    const std::vector<LangTerm>& after = second.session.lexicon.Terms;
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t i = 0; i < before.size(); ++i) {
        EXPECT_EQ(after[i].Kind, before[i].Kind) << i;
        EXPECT_EQ(after[i].Letter, before[i].Letter) << i;
        for (std::size_t f = 0; f < before[i].ScanOrder().size(); ++f) {
            EXPECT_EQ(*after[i].ScanOrder()[f], *before[i].ScanOrder()[f]) << i << " form " << f;
        }
    }
    EXPECT_EQ(before[0].Plural, "menfolk");
    EXPECT_EQ(before[2].CompSingular, "cowardly");
}

// A file opened in the window saves back as it came, but for the byte order mark, which
// UTF-8 has no need of.
TEST(ArgumentRoundTrip, ByteOrderMarkIsReadButNotWritten) {
    const std::string file = "# Title\nMode: predicate\nPremise: Pa\nConclusion: Pa\n";
    const ReadArgumentText read = ReadArgumentFile("\xEF\xBB\xBF" + file);
    ASSERT_TRUE(read.ok()) << read.error;
    EXPECT_EQ(read.argument.header, std::vector<std::string>{"# Title"});
    EXPECT_EQ(WriteArgumentFile(read.argument), file);
}

}  // namespace
}  // namespace deducto
