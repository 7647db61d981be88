// The Check Language Terms dialog, driven through its model.
#include "NaturalTestSupport.h"

namespace deducto::testing {
namespace {

class CheckTermsModelTest : public NaturalTest {
protected:
    NatState nat{s.prompts, 1};
    CheckTermsRequest Request(std::string word, std::string suggestion) {
        CheckTermsRequest r;
        r.TermQuery = suggestion.empty() ? "Please categorize term." : "Please confirm or modify.";
        r.TermUnderCheck = std::move(word);
        r.CheckSuggestion = std::move(suggestion);
        return r;
    }
    static std::vector<std::string> Forms(const CheckTermsModel& d) {
        return {d.txtAltTerm(0), d.txtAltTerm(1), d.txtAltTerm(2)};
    }
};

TEST_F(CheckTermsModelTest, AClassNounSuggestionShowsItsThreeForms) {
    CheckTermsModel dialog(lexicon, nat, Request("philosophers", "C"));
    EXPECT_TRUE(nat.CheckDialogOpen);
    EXPECT_EQ(dialog.lblTerm(), "PHILOSOPHERS");
    EXPECT_EQ(dialog.chkCaption(1), "plural class noun");
    EXPECT_TRUE(dialog.chkValue(1));
    EXPECT_FALSE(dialog.chkValue(0));
    EXPECT_EQ(Forms(dialog),
              (std::vector<std::string>{"PHILOSOPHER", "NON-PHILOSOPHER", "NON-PHILOSOPHERS"}));
    EXPECT_EQ(dialog.lblAltTerm(2), "comp. pl.:");
    EXPECT_FALSE(dialog.TakeFocusRequest());  // set up without moving the focus
}

TEST_F(CheckTermsModelTest, AnAdjectiveSuggestionShowsOnlyItsComplement) {
    CheckTermsModel dialog(lexicon, nat, Request("wise", "A"));
    EXPECT_TRUE(dialog.chkValue(0));
    EXPECT_EQ(dialog.chkCaption(0), "adjective");
    EXPECT_EQ(dialog.lblAltTerm(0), "complement:");
    EXPECT_EQ(dialog.txtAltTerm(0), "NON-WISE");
    EXPECT_FALSE(dialog.formVisible(1));
    EXPECT_FALSE(dialog.formVisible(2));
}

TEST_F(CheckTermsModelTest, WithoutASuggestionOKRecordsAnAdjective) {
    {
        CheckTermsModel dialog(lexicon, nat, Request("wise", ""));
        EXPECT_EQ(dialog.lblQueryMessage(), "Please categorize term.");
        EXPECT_FALSE(dialog.chkValue(0) || dialog.chkValue(1));
        EXPECT_EQ(Forms(dialog), (std::vector<std::string>{"", "", ""}));
        EXPECT_TRUE(dialog.cmdOK_Click());
        EXPECT_TRUE(dialog.TermsAccepted());
    }
    EXPECT_FALSE(nat.CheckDialogOpen);
    EXPECT_EQ(lexicon.Terms[0].Kind, TermKind::Adjective);
    EXPECT_EQ(lexicon.Terms[0].CompSingular, "non-wise");
}

TEST_F(CheckTermsModelTest, TickingTheOtherBoxRefillsTheFormsClearingOneKeepsThem) {
    CheckTermsModel dialog(lexicon, nat, Request("philosophers", "C"));
    dialog.chkTerm_Click(0, true);
    EXPECT_FALSE(dialog.chkValue(1));
    EXPECT_EQ(dialog.txtAltTerm(0), "NON-PHILOSOPHERS");
    EXPECT_EQ(dialog.TakeFocusRequest(), 0);
    dialog.chkTerm_Click(0, false);
    EXPECT_EQ(dialog.txtAltTerm(0), "NON-PHILOSOPHERS");
}

TEST_F(CheckTermsModelTest, LeavingTheSingularFillsTheComplementaryForms) {
    CheckTermsModel dialog(lexicon, nat, Request("dogs", "C"));
    dialog.txtAltTerm_Change(1, "");
    dialog.txtAltTerm_Change(2, "");
    dialog.txtAltTerm_Change(0, " dog ");
    dialog.txtAltTerm_LostFocus(0);
    EXPECT_EQ(Forms(dialog), (std::vector<std::string>{"DOG", "NON-DOG", "NON-DOGS"}));
}

TEST_F(CheckTermsModelTest, MissingFormsKeepTheDialogOpen) {
    CheckTermsModel dialog(lexicon, nat, Request("sheep", "C"));
    EXPECT_EQ(dialog.txtAltTerm(0), "");
    EXPECT_FALSE(dialog.cmdOK_Click());
    EXPECT_EQ(messages.back(), "Missing singular form for \"SHEEP\"");
    dialog.txtAltTerm_Change(0, "sheep  ");
    dialog.txtAltTerm_Change(1, " non-sheep");
    ASSERT_TRUE(dialog.cmdOK_Click());
    EXPECT_EQ(lexicon.Terms[0].Singular, "sheep");  // trimmed by OK
    EXPECT_EQ(lexicon.Terms[0].Plural, "sheep");
}

TEST_F(CheckTermsModelTest, ARefusedTermCanBeCorrectedAndAcceptedLater) {
    Define("adjective", "greek");
    CheckTermsModel dialog(lexicon, nat, Request("non-greeks", "C"));
    EXPECT_FALSE(dialog.cmdOK_Click());
    EXPECT_EQ(messages.back(), "Term conflicts with an existing term.");
    EXPECT_TRUE(nat.NatError);
    dialog.txtAltTerm_Change(0, "non-greek person");
    dialog.txtAltTerm_Change(1, "greek person");
    dialog.txtAltTerm_Change(2, "greek persons");
    EXPECT_TRUE(dialog.cmdOK_Click());
    EXPECT_FALSE(nat.NatError);
}

TEST_F(CheckTermsModelTest, CancelFailsTheTranslationAndRecordsNothing) {
    CheckTermsModel dialog(lexicon, nat, Request("wise", "A"));
    dialog.cmdCancel_Click();
    EXPECT_TRUE(nat.NatError);
    EXPECT_FALSE(dialog.TermsAccepted());
    EXPECT_EQ(lexicon.TermCount(), 0);
}

TEST_F(CheckTermsModelTest, AnAgreeingUserGivesUpWhenTheFormsCannotBeRecorded) {
    CheckTermsModel sheep(lexicon, nat, Request("sheep", "C"));
    EXPECT_FALSE(sheep.AcceptSuggestion());
    EXPECT_TRUE(sheep.closed());
    EXPECT_TRUE(nat.NatError);
}

}  // namespace
}  // namespace deducto::testing
