// Failing cases written in English from the lexicon.
#include <set>

#include "NaturalTestSupport.h"
#include "ReadLine.h"
#include "formula/modBuildPolish.h"
#include "natural/modEnglishDetails.h"
#include "truthtable/clsTruthTable.h"

namespace deducto::testing {
namespace {

using EnglishDetailsTest = NaturalTest;

TEST_F(EnglishDetailsTest, TermPhrasesCarryAnArticleForClassNouns) {
    Define("class noun", "philosopher");
    Define("class noun", "owl");
    Define("adjective", "mortal");
    Define("specific noun", "socrates");
    EXPECT_EQ(TermPhrase('P', lexicon, session.prompts()), "a PHILOSOPHER");
    EXPECT_EQ(TermPhrase('O', lexicon, session.prompts()), "an OWL");
    EXPECT_EQ(TermPhrase('M', lexicon, session.prompts()), "MORTAL");
    EXPECT_EQ(TermPhrase('s', lexicon, session.prompts()), "SOCRATES");
    EXPECT_EQ(TermPhrase('Q', lexicon, session.prompts()), "");
    EXPECT_EQ(messages, std::vector<std::string>{"impossible error"});
}

TEST_F(EnglishDetailsTest, AnAccentedTermIsOneTermWhateverItsCase) {
    Define("specific noun", "socrates");
    const Translation lower = Translate("Socrates is \u00e9pique.", 1);
    const Translation upper = Translate("Socrates is \u00c9pique.", 2);
    EXPECT_FALSE(lower.text.empty());
    EXPECT_EQ(upper.text, lower.text);
    EXPECT_EQ(lexicon.TermCount(), 2);
    EXPECT_EQ(TermPhrase(LetterOf("\u00e9pique"), lexicon, session.prompts()), "\u00c9PIQUE");
}

// The English texts of each column over all rows of the table of `formula`.
std::vector<std::set<std::string>> ColumnTexts(Session& session, std::string_view formula) {
    session.options.eliminateUnneeded = false;
    const LineTable t = BuildLineTable(BuildPolish(formula, Mode::Natural).PolishStr, session.mode,
                                       session.options, session.computation);
    std::vector<std::set<std::string>> columns(static_cast<size_t>(t.table->nbrTerms()));
    for (int row = 0; row < t.table->nbrTruthCombos(); ++row) {
        for (int c = 0; c < t.table->nbrTerms(); ++c) {
            columns[static_cast<size_t>(c)].insert(
                DescribeCellEnglish(*t.table, row, c, session.lexicon, session.prompts()));
        }
    }
    return columns;
}

TEST_F(EnglishDetailsTest, CellsReadAsSentencesAboutRegionsAndIndividuals) {
    Define("class noun", "philosopher");
    Define("adjective", "mortal");
    Define("specific noun", "socrates");
    EXPECT_EQ(ColumnTexts(session, "exists x (Px and not Mx) and Ps"),
              (std::vector<std::set<std::string>>{
                  {"there exists someone/something that is not MORTAL and is a PHILOSOPHER",
                   "there is nothing/no one that is not MORTAL and is a PHILOSOPHER"},
                  {"SOCRATES is a PHILOSOPHER", "it is not true that SOCRATES is a PHILOSOPHER"}}));
    const auto both = ColumnTexts(session, "Ps and not Ms");
    ASSERT_EQ(both.size(), 1u);
    EXPECT_TRUE(
        both[0].count("it is not true that SOCRATES is MORTAL and SOCRATES is a PHILOSOPHER"));
}

}  // namespace
}  // namespace deducto::testing
