// TranslateSentence as a whole: its retry loop and questions, and whole arguments.
#include <algorithm>

#include "NaturalTestSupport.h"
#include "ReadLine.h"
#include "formula/modBuildPolish.h"
#include "truthtable/modEvaluate.h"

namespace deducto::testing {
namespace {

using TranslateSentenceTest = NaturalTest;

// The box of `window` that shows `text`.
int BoxShowing(const LanguageTermsModel& window, std::string_view text) {
    for (int i = 0; i < window.boxCount(); ++i) {
        if (window.box(i).text == text) return i;
    }
    ADD_FAILURE() << "no box shows " << text;
    return 0;
}

TEST_F(TranslateSentenceTest, AFailedAttemptThatLearnedTermsIsRetriedQuietly) {
    // The first attempt learns "dies", whose negative form "does not die" the scanner then
    // reads as one word.
    const Translation r = Translate("Socrates dies, or Plato does not die.");
    EXPECT_EQ(r.text, "(Ds) or (~Dp)");
    // Only the first attempt speaks: it read "plato does not" as a plural subject.
    EXPECT_EQ(messages, std::vector<std::string>{
                            "Plural subject is ambiguous.  Please specify  \"all\" or \"some.\""});
}

TEST_F(TranslateSentenceTest, OnlyTheFirstAttemptAsksForDefinitions) {
    std::vector<std::string> queries;
    s.prompts.onEditTerms = [&](LanguageTermsModel& window) {
        queries.push_back(window.TermQuery());
        return false;
    };
    const Translation r = Translate("Socrates is wise, and Plato is well  known.");
    EXPECT_EQ(r.text, "");
    EXPECT_EQ(r.sentence, "Socrates is wise, and Plato is well known.");
    EXPECT_EQ(r.errPos, 43);  // past the end: the line marks its end
    // "well" was read as an adjective before "known" stopped the descriptor.
    EXPECT_EQ(queries, std::vector<std::string>{"Please define the following terms:  KNOWN."});
    EXPECT_EQ(lexicon.TermCount(), 4);  // socrates, wise, plato, well
}

// The terms of a sentence that fails stay, and so do their letters.
TEST_F(TranslateSentenceTest, TermsOfAFailedSentenceKeepTheirLetters) {
    EXPECT_EQ(Translate("Socrates is wise and happy or rich.").text, "");
    EXPECT_EQ(Translate("Socrates is witty.").text, "Xs");
    EXPECT_EQ(LetterOf("wise"), 'W');
    EXPECT_EQ(LetterOf("happy"), 'H');
}

TEST_F(TranslateSentenceTest, DefinitionRequestsNameEachUndefinedWordOnce) {
    Define("class noun", "philosopher");
    std::string query;
    s.prompts.onEditTerms = [&](LanguageTermsModel& window) {
        query = window.TermQuery();
        return false;
    };
    NaturalTranslator t(session, 1);
    t.SetSentence("Some greek philosophers are wise, and some greek kings are wise.");
    t.ScanSentence();
    EXPECT_FALSE(t.RequestTermDefinitions(t.WordCount()));
    EXPECT_EQ(query, "Please define the following terms:  GREEK WISE KINGS.");
}

// Punctuation is never offered for definition: the sentence fails with the lexicon's reason,
// and no window opens that could only open again.
TEST_F(TranslateSentenceTest, WordsTheLexiconRefusesAreNotOfferedForDefinition) {
    int windows = 0;
    s.prompts.onEditTerms = [&](LanguageTermsModel&) {
        ++windows;
        return false;
    };
    const Translation r = Translate("Socrates is !!! ??? ###.");
    EXPECT_EQ(r.text, "");
    EXPECT_EQ(windows, 0);
    EXPECT_NE(std::find(messages.begin(), messages.end(),
                        "\"!!!\" has no letter or digit and cannot be used as a term"),
              messages.end());
    EXPECT_TRUE(r.declinedRequest.empty());
}

TEST_F(TranslateSentenceTest, DefinedTermsAreUsedAtOnce) {
    // "well" became an adjective before "known" stopped the sentence: the user makes it
    // "well known".
    s.prompts.onEditTerms = [](LanguageTermsModel& window) {
        window.Enter(BoxShowing(window, "WELL"), "well known");
        window.Enter(BoxShowing(window, "NON-WELL"), "non-well known");
        return window.cmdUpdate_Click();
    };
    EXPECT_EQ(Translate("Socrates is well known.").text, "Ws");
}

TEST_F(TranslateSentenceTest, TermsStillMissingFormsAreUnresolved) {
    LangTerm bus;
    bus.Kind = TermKind::ClassNoun;
    bus.Singular = "bus";
    bus.Letter = 'B';
    lexicon.Terms.push_back(bus);
    const Translation declined = Translate("Socrates is wise.");
    EXPECT_EQ(declined.text, "");
    EXPECT_EQ(messages.back(), "Unresolved terms");

    s.prompts.onEditTerms = [](LanguageTermsModel& window) {
        window.Enter(BoxShowing(window, "BUS") + 1, "buses");
        return window.cmdUpdate_Click();
    };
    EXPECT_EQ(Translate("Socrates is wise.").text, "Ws");
    EXPECT_EQ(lexicon.Terms[0].CompPlural, "non-buses");
}

TEST_F(TranslateSentenceTest, ALineWhoseTermsChangedIsTranslatedAgain) {
    Define("class noun", "man");
    LangTerm bus;
    bus.Kind = TermKind::ClassNoun;
    bus.Singular = "bus";
    bus.Letter = 'B';
    lexicon.Terms.push_back(bus);
    AcceptSuggestions();
    int windows = 0;
    s.prompts.onEditTerms = [&](LanguageTermsModel& window) {
        ++windows;
        window.Enter(BoxShowing(window, "BUS") + 1, "buses");
        window.txtValue_Change(BoxShowing(window, "NON-MEN"), "NOT MEN");
        return window.cmdUpdate_Click();
    };
    EXPECT_EQ(Translate("All men are wise.", 2).text, "forall x ((Mx) implies (Wx))");
    EXPECT_EQ(windows, 1);
    EXPECT_EQ(session.lineReparse[2], 'N');
}

TEST_F(TranslateSentenceTest, AUserWhoAlwaysAcceptsDoesNotKeepItGoingForever) {
    s.prompts.onEditTerms = [](LanguageTermsModel& window) { return window.cmdUpdate_Click(); };
    EXPECT_EQ(Translate("Socrates is well known.").text, "");
    EXPECT_EQ(messages.back(), kTooManyAttempts);
}

// Evaluates the argument whose lines are given (conclusion last).
std::string Verdict(Session& session, const std::vector<std::string>& lines);

class WorkedExample : public NaturalTest {
protected:
    void SetUp() override {
        Define("predicate", "can be expressed as a fraction of two integers");
        Define("specific noun", "the square root of -1");
        Define("adjective", "imaginary");
        Define("class noun", "number");
        for (const char* adjective : {"real", "complex", "rational"})
            Define("adjective", adjective);
        session.exampleLoading = true;
    }
    std::vector<std::string> lines = {
        "No imaginary numbers are real, and every imaginary number is complex.",
        "A number is rational if and only if it can be expressed as a fraction of two integers.",
        "The square root of -1 is an imaginary number.",
        "There exist real numbers that are not rational.",
        "If any number is both complex and rational, then it is real.",
        "The square root of -1 cannot be expressed as a fraction of two integers."};
};

TEST_F(WorkedExample, TheConclusionIsAlwaysTrue) {
    EXPECT_EQ(Verdict(session, lines), "The conclusion is always true.");
    EXPECT_EQ(lexicon.TermCount(), 7);  // nothing had to be inferred
    EXPECT_TRUE(messages.empty());      // the example keeps its iff remark to itself
}

TEST_F(WorkedExample, WithoutBeingANumberTheConclusionDoesNotFollow) {
    lines[2] = "The square root of -1 is imaginary.";
    EXPECT_EQ(Verdict(session, lines), "The conclusion does not follow.");
}

// The sentences of the natural-language syntax panel, with their underlined terms defined
// and every suggestion accepted.
struct PanelSentence {
    const char* name;
    const char* sentence;
};
void PrintTo(const PanelSentence& c, std::ostream* os) { *os << c.sentence; }
class SyntaxPanel : public NaturalTest, public ::testing::WithParamInterface<PanelSentence> {};
TEST_P(SyntaxPanel, SentencesTranslate) {
    AcceptSuggestions();
    Define("predicate", "has a mind");
    Define("predicate", "has minds");
    Define("predicate", "thinks");
    const Translation r = Translate(GetParam().sentence);
    EXPECT_NE(r.text, "") << GetParam().sentence;
    EXPECT_TRUE(BuildPolish(r.text, Mode::Natural).ok()) << r.text;
}
INSTANTIATE_TEST_SUITE_P(
    AdditionalExamples, SyntaxPanel,
    ::testing::Values(
        PanelSentence{"SomeGreekPhilosophersAreWise", "Some Greek philosophers are wise."},
        PanelSentence{"SocratesIsWiseOrPlatoIsMistaken", "Socrates is wise, or Plato is mistaken."},
        PanelSentence{"EpimenidesIsCorrectAndAllCretansAreLiars",
                      "Epimenides is correct, and all Cretans are liars."},
        PanelSentence{"NoCretansAreHonest", "No Cretans are honest."},
        PanelSentence{"SomeNonCretansAreNotHonest", "Some non-Cretans are not honest."},
        PanelSentence{"EveryMulticelledOrganismIsAPlantOrAnAnimal",
                      "Every multicelled organism is a plant or an animal."},
        PanelSentence{"AnAnimalIsHumanIfAndOnlyIfItIsARationalAnimal",
                      "An animal is human if and only if it is a rational animal."},
        PanelSentence{"AnyAnimalHasAMindOnlyIfItIsRational",
                      "Any animal has a mind only if it is rational."},
        PanelSentence{"AllMenHaveMindsButSomeMenDoNotThink",
                      "All men have minds, but some men do not think."},
        PanelSentence{"ThereAreSomeAnimalsThatAreNotRational",
                      "There are some animals that are not rational."},
        PanelSentence{"EveryoneWhoDiesIsMortal", "Everyone who dies is mortal."},
        PanelSentence{"NothingIsBothAnAnimalAndAPlant", "Nothing is both an animal and a plant."},
        PanelSentence{"IfSomethingIsNotARationalAnimalThenItIsNotHuman",
                      "If something is not a rational animal, then it is not human."},
        PanelSentence{"NotEverythingThatIsPlausibleIsTrue",
                      "Not everything that is plausible is true."},
        PanelSentence{"NotEveryKingIsAPhilosopherHoweverEveryWiseKingIsAPhilosopher",
                      "Not every king is a philosopher; however, every wise king is a "
                      "philosopher."},
        PanelSentence{"EveryBrightStudentWhoStudiesExcels",
                      "Every bright student who studies excels."},
        PanelSentence{"AthensIsLostIfThereAreNoBraveWarriors",
                      "Athens is lost if there are no brave warriors."},
        PanelSentence{"DiogenesIsNotSatisfiedUnlessThereExistsAnHonestMan",
                      "Diogenes is not satisfied unless there exists an honest man."},
        PanelSentence{"EveryNonzeroRealNumberIsRationalOrIrrationalAndSigned",
                      "Every nonzero real number is either rational or both irrational and "
                      "either positive or negative."}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(TranslateSentenceTest, ThePanelsOwnExampleFollows) {
    AcceptSuggestions();
    Define("predicate", "will die");
    EXPECT_EQ(Verdict(session, {"Socrates is a philosopher.", "All philosophers are mortal.",
                                "If someone is mortal, then he or she will die.",
                                "Therefore Socrates will die."}),
              "The conclusion is always true.");
    EXPECT_EQ(messages, std::vector<std::string>{
                            "The antecedent of \"HE OR SHE\" is assumed to be \"SOMEONE.\""});
}

std::string Verdict(Session& session, const std::vector<std::string>& lines) {
    for (size_t i = 0; i < lines.size(); ++i) {
        const int line = i + 1 == lines.size() ? 0 : static_cast<int>(i) + 1;
        const LineOutcome read = ReadLine(lines[i], line, ReadKind::Edit, session);
        if (read.result != LineResult::Built) return "not read: " + read.text;
    }
    return VerdictText(EvaluateArgument(session.lines, session.mode, session.computation).verdict);
}

}  // namespace
}  // namespace deducto::testing
