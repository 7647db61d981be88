// Clauses: the 14 kinds, found from the quantifier phrase, and their formulas.
#include "NaturalTestSupport.h"
#include "formula/modBuildPolish.h"

namespace deducto::testing {
namespace {

// Letters are the initials: socrates s, man M, unicorn U, god G, wise W, happy H, perfect P,
// dies D.
class ClauseTest : public NaturalTest {
protected:
    void SetUp() override {
        Define("specific noun", "socrates");
        for (const char* noun : {"man", "unicorn", "god"}) Define("class noun", noun);
        for (const char* adjective : {"wise", "happy", "perfect"}) Define("adjective", adjective);
        Define("predicate", "dies");
    }
};

struct Clause {
    const char* name;
    const char* sentence;
    const char* kind;
    const char* formula;
};
void PrintTo(const Clause& c, std::ostream* os) { *os << c.sentence; }
class Clauses : public ClauseTest, public ::testing::WithParamInterface<Clause> {};
TEST_P(Clauses, AreRecognisedByTheirQuantifierPhrase) {
    const Clause& c = GetParam();
    NaturalTranslator t(session, 1);
    t.SetSentence(c.sentence);
    t.ScanSentence();
    const int n = t.Word(t.WordCount()) == "." ? t.WordCount() - 1 : t.WordCount();
    ASSERT_EQ(t.ClassifySentence(n), SentenceType::typeC);
    EXPECT_STREQ(ClauseKindName(t.AnalyseClause(1, n)), c.kind) << c.sentence;
    const std::string formula = t.TranslateByType(SentenceType::typeC);
    EXPECT_EQ(formula, c.formula) << c.sentence;
    EXPECT_TRUE(BuildPolish(formula, Mode::Natural).ok()) << formula;
    EXPECT_TRUE(messages.empty());
}
INSTANTIATE_TEST_SUITE_P(
    Subjects, Clauses,
    ::testing::Values(
        Clause{"EveryManIsWise", "Every man is wise.", "clauseSS",
               "(forall x ((Mx) implies (Wx)))"},
        Clause{"NoManIsPerfect", "No man is perfect.", "clauseSS",
               "(forall x ((Mx) implies not (Px)))"},
        Clause{"SomeManIsWise", "Some man is wise.", "clauseSS", "exists x (Mx and (Wx))"},
        Clause{"SocratesIsWise", "Socrates is wise.", "clauseSS", "Ws"},
        Clause{"EveryWiseManWhoDiesIsHappy", "Every wise man who dies is happy.", "clauseSS",
               "(forall x ((Wx and Mx and (Dx)) implies (Hx)))"},
        Clause{"AllMenAreWise", "All men are wise.", "clausePP", "forall x ((Mx) implies (Wx))"},
        Clause{"NoMenArePerfect", "No men are perfect.", "clausePP",
               "forall x ((Mx) implies not (Px))"},
        Clause{"SomeMenAreNotWise", "Some men are not wise.", "clausePP",
               "exists x (Mx and ~(Wx))"},
        Clause{"AllMenWhoAreWiseAreHappy", "All men who are wise are happy.", "clausePP",
               "forall x ((Mx and (Wx)) implies (Hx))"},
        Clause{"SomeoneIsWise", "Someone is wise.", "clauseIS", "exists x (Wx)"},
        Clause{"EveryoneIsHappy", "Everyone is happy.", "clauseUS", "forall x (Hx)"},
        Clause{"EveryoneWhoDiesIsHappy", "Everyone who dies is happy.", "clauseUS",
               "forall x ((Dx) implies (Hx))"}),
    [](const auto& row) { return std::string(row.param.name); });
INSTANTIATE_TEST_SUITE_P(
    Existence, Clauses,
    ::testing::Values(
        Clause{"ThereIsAGod", "There is a god.", "clauseES", "exists x (Gx)"},
        Clause{"AGodExists", "A god exists.", "clauseES", "exists x (Gx)"},
        Clause{"ThereAreSomeGods", "There are some gods.", "clauseEP", "exists x (Gx)"},
        Clause{"GodsExist", "Gods exist.", "clauseEP", "exists x (Gx)"},
        Clause{"ThereIsAManWhoIsWise", "There is a man who is wise.", "clauseESR",
               "exists x (Mx and (Wx))"},
        Clause{"ThereAreMenWhoAreWise", "There are men who are wise.", "clauseEPR",
               "exists x (Mx and (Wx))"},
        Clause{"ThereIsSomeoneWhoIsWise", "There is someone who is wise.", "clauseEIR",
               "exists x (Wx)"},
        Clause{"ThereIsNoUnicorn", "There is no unicorn.", "clauseNES", "not exists x (Ux)"},
        Clause{"ThereDoesNotExistAUnicorn", "There does not exist a unicorn.", "clauseNES",
               "not exists x (Ux)"},
        Clause{"AUnicornDoesNotExist", "A unicorn does not exist.", "clauseNES",
               "not exists x (Ux)"},
        Clause{"ThereAreNoUnicorns", "There are no unicorns.", "clauseNEP", "not exists x (Ux)"},
        Clause{"ThereAreNotAnyUnicorns", "There are not any unicorns.", "clauseNEP",
               "not exists x (Ux)"},
        Clause{"ThereDoNotExistAnyUnicorns", "There do not exist any unicorns.", "clauseNEP",
               "not exists x (Ux)"},
        Clause{"UnicornsDoNotExist", "Unicorns do not exist.", "clauseNEP", "not exists x (Ux)"},
        Clause{"ThereIsNoManWhoIsPerfect", "There is no man who is perfect.", "clauseNESR",
               "not exists x (Mx and (Px))"},
        Clause{"NoManWhoIsPerfectExists", "No man who is perfect exists.", "clauseNESR",
               "not exists x (Mx and (Px))"},
        Clause{"ThereAreNoMenWhoArePerfect", "There are no men who are perfect.", "clauseNEPR",
               "not exists x (Mx and (Px))"},
        Clause{"ThereIsNothingThatIsPerfect", "There is nothing that is perfect.", "clauseNEIR",
               "not exists x (Px)"},
        Clause{"ThereIsNotAnythingThatIsPerfect", "There is not anything that is perfect.",
               "clauseNEIR", "not exists x (Px)"},
        Clause{"ThereDoesNotExistAnythingThatIsPerfect",
               "There does not exist anything that is perfect.", "clauseNEIR", "not exists x (Px)"},
        Clause{"ThereIsNoOneWhoIsPerfect", "There is no one who is perfect.", "clauseNEIR",
               "not exists x (Px)"},
        Clause{"NobodyWhoIsWiseIsHappy", "Nobody who is wise is happy.", "clauseNEIR",
               "not exists x ((Wx) and (Hx))"},
        Clause{"ItIsNotTrueThatSomeManIsWise", "It is not true that some man is wise.", "clauseSS",
               "~exists x (Mx and (Wx))"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(ClauseTest, ADoublyNegatedClauseLosesBothSigns) {
    EXPECT_EQ(Translate("It is not true that there is no unicorn.").text, " exists x (Ux)");
    EXPECT_EQ(Translate("It is not true that Socrates is not wise.").text, "(Ws)");
}

TEST_F(ClauseTest, ABarePluralSubjectIsAmbiguous) {
    EXPECT_EQ(Translate("Men are wise.").text, "");
    EXPECT_EQ(messages, std::vector<std::string>{
                            "Plural subject is ambiguous.  Please specify  \"all\" or \"some.\""});
}

TEST_F(ClauseTest, UniversalPronounsNeedAnAffirmativePredicate) {
    EXPECT_EQ(Translate("Everyone is not wise.").text, "");
    EXPECT_EQ(messages,
              std::vector<std::string>{"Universal pronouns must take an affirmative predicate."});
}

TEST_F(ClauseTest, NegativePredicatesOfUniversalSubjectsFailSilently) {
    EXPECT_EQ(Translate("Every man is not perfect.").text, "");
    EXPECT_EQ(Translate("No men are not wise.").text, "");
    EXPECT_EQ(Translate("There is no one.").text, "");
    EXPECT_TRUE(messages.empty());
}

TEST_F(ClauseTest, AVerbAfterASubjectBecomesAPredicateOfItsNumber) {
    EXPECT_EQ(Translate("Every man sleeps.").text, "(forall x ((Mx) implies (Sx)))");
    EXPECT_EQ(lexicon.Terms.back().Plural, "sleep");
    EXPECT_EQ(Translate("Some gods sleep.").text, "exists x (Gx and (Sx))");
}

TEST_F(ClauseTest, ALoneUnknownSubjectIsTakenForAName) {
    EXPECT_EQ(Translate("Plato sleeps.").text, "Sp");
    EXPECT_EQ(Translate("Xenophon is wise.").text, "Wy");
    EXPECT_EQ(lexicon.Terms[static_cast<size_t>(*lexicon.FindTerm("plato"))].Kind,
              TermKind::SpecificNoun);
}

TEST_F(ClauseTest, AnUnknownNameOfSeveralWordsAsksForDefinitions) {
    std::string query;
    s.prompts.onEditTerms = [&](LanguageTermsModel& window) {
        query = window.TermQuery();
        return false;
    };
    EXPECT_EQ(Translate("The late Socrates is wise.").text, "");
    EXPECT_EQ(query, "Please define the following terms:  THE LATE.");
}

}  // namespace
}  // namespace deducto::testing
