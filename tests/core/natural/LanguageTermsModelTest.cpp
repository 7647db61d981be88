// The Language Terms window, driven through its model.
#include "NaturalTestSupport.h"

namespace deducto::testing {
namespace {

using LanguageTermsModelTest = NaturalTest;

TEST_F(LanguageTermsModelTest, LoadsTheTableColumnByColumnWithTags) {
    Define("class noun", "man");
    Define("specific noun", "socrates");
    Define("adjective", "wise");
    LanguageTermsModel window(session, "");
    ASSERT_EQ(window.boxCount(), 7);
    EXPECT_EQ(window.box(0).TermTag, "003A A");
    EXPECT_EQ(window.box(1).TermTag, "003A N");
    EXPECT_EQ(window.box(2).TermTag, "002S A");
    EXPECT_EQ(window.box(2).text, "SOCRATES");
    EXPECT_EQ(window.box(6).TermTag, "001CPN");
    EXPECT_EQ(window.box(6).text, "NON-MEN");
    EXPECT_EQ(window.box(6).label, "pl.");
}

TEST_F(LanguageTermsModelTest, LeavingABoxFillsTheTermsEmptyForms) {
    LanguageTermsModel window(session, "");
    const int adjective = *window.AddTerm(TermKind::Adjective);
    window.Enter(adjective, "wise");
    EXPECT_EQ(window.box(adjective).text, "WISE");
    EXPECT_EQ(window.box(adjective + 1).text, "NON-WISE");
    const int noun = *window.AddTerm(TermKind::ClassNoun);
    window.Enter(noun, "philosopher");
    EXPECT_EQ(window.box(noun + 3).text, "NON-PHILOSOPHERS");
    const int predicate = *window.AddTerm(TermKind::Predicate);
    window.Enter(predicate, "IS  MORTAL ");
    std::vector<std::string> forms;
    for (int i = predicate; i < predicate + 4; ++i) forms.push_back(window.box(i).text);
    EXPECT_EQ(forms, (std::vector<std::string>{"IS MORTAL", "IS NOT MORTAL", "ARE MORTAL",
                                               "ARE NOT MORTAL"}));
    const int fromNegativePlural = *window.AddTerm(TermKind::Predicate);
    window.Enter(fromNegativePlural + 3, "do not think");
    EXPECT_EQ(window.box(fromNegativePlural).text, "THINKS");
    EXPECT_EQ(window.box(fromNegativePlural + 2).text, "THINK");

    EXPECT_TRUE(window.cmdUpdate_Click());
    EXPECT_TRUE(window.TermsAccepted());
    ASSERT_EQ(lexicon.TermCount(), 4);
    EXPECT_EQ(lexicon.Terms[0].CompSingular, "non-wise");
    EXPECT_EQ(lexicon.Terms[0].Letter, 'W');
    EXPECT_EQ(lexicon.Terms[3].NegSingular, "does not think");
    EXPECT_EQ(lexicon.TermsShownCount, 4);
}

TEST_F(LanguageTermsModelTest, AnInvalidTableStaysOpenAndChangesNothing) {
    Define("adjective", "wise");
    LanguageTermsModel window(session, "");
    window.Enter(*window.AddTerm(TermKind::ClassNoun), "dog");
    window.Enter(1, "");  // the complement of wise
    EXPECT_FALSE(window.cmdUpdate_Click());
    EXPECT_EQ(messages.back(), "Missing variant(s) for \"wise\"");
    EXPECT_EQ(lexicon.TermCount(), 1);
    EXPECT_EQ(lexicon.Terms[0].CompSingular, "non-wise");
}

TEST_F(LanguageTermsModelTest, EmptyingATermDeletesItAndFreesItsLetter) {
    Define("adjective", "wise");
    Define("adjective", "happy");
    Define("adjective", "rich");
    LanguageTermsModel window(session, "");
    for (int i : {0, 1, 4, 5}) window.txtValue_Change(i, "");  // wise and rich
    EXPECT_TRUE(window.cmdUpdate_Click());
    ASSERT_EQ(lexicon.TermCount(), 1);
    EXPECT_EQ(lexicon.Terms[0].Singular, "happy");
    // Both letters come back, the last term's too.
    EXPECT_EQ(lexicon.UpperLetterPool.substr(26), "WR");
}

TEST_F(LanguageTermsModelTest, AChangedFormFlagsTheLinesThatUsedIt) {
    Define("class noun", "man");
    lexicon.Terms[0].LineUse = "NNNYNNNNN";
    LanguageTermsModel window(session, "");
    window.txtValue_Change(3, "NOT MEN");  // the complementary plural
    EXPECT_TRUE(window.cmdUpdate_Click());
    EXPECT_EQ(session.lineReparse, "NNNYNNNNN");
    EXPECT_EQ(lexicon.Terms[0].CompPlural, "not men");
}

TEST_F(LanguageTermsModelTest, CancelAsksAndLeavesTheLexiconAlone) {
    Define("adjective", "wise");
    LanguageTermsModel window(session, "");
    window.Enter(0, "clever");
    s.prompts.cancelOnQuestion = 1;
    EXPECT_FALSE(window.cmdCancel_Click());
    EXPECT_EQ(messages.back(), kUndoEntriesQuestion);
    EXPECT_TRUE(window.cmdCancel_Click());
    EXPECT_EQ(lexicon.Terms[0].Singular, "wise");
    EXPECT_FALSE(window.TermsAccepted());
}

TEST_F(LanguageTermsModelTest, AddCommandsStopAtTheLexiconsLimits) {
    LanguageTermsModel window(session, "");
    for (int i = 0; i < kMaxSpecificNouns; ++i) ASSERT_TRUE(window.AddTerm(TermKind::SpecificNoun));
    EXPECT_FALSE(window.AddEnabled(TermKind::SpecificNoun));
    EXPECT_TRUE(window.AddEnabled(TermKind::Adjective));
    for (int i = 0; i < kMaxOtherTerms; ++i) ASSERT_TRUE(window.AddTerm(TermKind::Predicate));
    EXPECT_FALSE(window.AddTerm(TermKind::ClassNoun));
}

}  // namespace
}  // namespace deducto::testing
