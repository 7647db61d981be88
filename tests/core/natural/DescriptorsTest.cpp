// Predicates, descriptors and their groups, relative clauses, and the terms inferred on
// the way, with the questions asked about them.
#include "NaturalTestSupport.h"

namespace deducto::testing {
namespace {

class DescriptorTest : public NaturalTest {
protected:
    NaturalTranslator t{session, 1};
    // Scans `words` and describes them as a predicate of the given number.
    std::optional<PredicateFormula> Describe(std::string_view words, Number number) {
        t.nat.NatError = t.nat.TermProblem = false;
        t.SetSentence(words);
        t.ScanSentence();
        return t.DescribePredicate(1, t.WordCount(), number);
    }
    std::vector<std::string> asked;  // one line per Check Language Terms question
    void RecordQuestions(bool accept) {
        s.prompts.onCheckTerm = [this, accept](CheckTermsModel& dialog) {
            asked.push_back(dialog.lblQueryMessage() + " " + dialog.lblTerm() + " " +
                            dialog.request().CheckSuggestion);
            return accept ? dialog.AcceptSuggestion() : (dialog.cmdCancel_Click(), false);
        };
    }
};

struct Description {
    const char* name;
    const char* words;
    Number number;
    const char* formula;
    bool negative;
};
void PrintTo(const Description& c, std::ostream* os) { *os << c.words; }
class Descriptions : public DescriptorTest, public ::testing::WithParamInterface<Description> {};
TEST_P(Descriptions, GiveTheFormulaInX) {
    for (const char* adjective : {"wise", "happy", "rich", "greek", "old"}) {
        Define("adjective", adjective);
    }
    Define("class noun", "philosopher");
    Define("class noun", "king");
    const Description& c = GetParam();
    const auto p = Describe(c.words, c.number);
    ASSERT_TRUE(p.has_value()) << c.words;
    EXPECT_EQ(p->formula, c.formula) << c.words;
    EXPECT_EQ(p->negative, c.negative) << c.words;
}
INSTANTIATE_TEST_SUITE_P(
    Descriptors, Descriptions,
    ::testing::Values(
        Description{"IsWise", "is wise", Number::Singular, "(Wx)", false},
        Description{"IsNotWise", "is not wise", Number::Singular, "~(Wx)", true},
        Description{"IsWiseAndHappy", "is wise and happy", Number::Singular, "(Wx and Hx)", false},
        Description{"IsAGreekPhilosopher", "is a greek philosopher", Number::Singular,
                    "((Gx and Px))", false},
        Description{"IsAPhilosopherOrAKing", "is a philosopher or a king", Number::Singular,
                    "(Px or Kx)", false},
        Description{"IsBothAPhilosopherAndAnOldKing", "is both a philosopher and an old king",
                    Number::Singular, "( ((Px) and (Ox and Kx)))", false},
        Description{"AreEitherWiseOrHappy", "are either wise or happy", Number::Plural,
                    "( ((Wx) or Hx))", false},
        Description{"AreNotGreekPhilosophers", "are not greek philosophers", Number::Plural,
                    "~((Gx and Px))", true},
        Description{"AreNonPhilosophers", "are non-philosophers", Number::Plural, "(~Px)", false},
        Description{"IsEitherWiseOrHappyAndRich", "is either wise or happy and rich",
                    Number::Singular, "( ((Wx) or Hx) and Rx)", false},
        Description{"IsEitherWiseOrBothHappyAndEitherRichOrOld",
                    "is either wise or both happy and either rich or old", Number::Singular,
                    "( ((Wx) or  ((Hx) and  ((Rx) or Ox))))", false}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(DescriptorTest, ANewVerbBecomesAPredicateOfTheSubjectsNumber) {
    const auto p = Describe("die", Number::Plural);
    ASSERT_TRUE(p.has_value());
    EXPECT_EQ(p->formula, "(Dx)");
    EXPECT_EQ(lexicon.Terms[0].Singular, "dies");
    EXPECT_FALSE(Describe("die", Number::Singular).has_value());  // the other number
}

// Words are entered as the descriptor is read, so those before the fault stay terms.
TEST_F(DescriptorTest, MixedConnectivesAreAmbiguousAndKeepTheTermsReadBefore) {
    EXPECT_FALSE(Describe("is wise and happy or rich", Number::Singular));
    EXPECT_EQ(messages, std::vector<std::string>{"\"wise and happy or rich\" is ambiguous."});
    EXPECT_EQ(lexicon.TermCount(), 2);
    EXPECT_FALSE(lexicon.FindTerm("rich"));
}

TEST_F(DescriptorTest, NotIsRefusedInsideADescriptor) {
    EXPECT_FALSE(Describe("is a not greek philosopher", Number::Singular));
    EXPECT_FALSE(Describe("is wise and not happy", Number::Singular));
    EXPECT_FALSE(Describe("are wise and not happy", Number::Plural));
    EXPECT_EQ(messages, (std::vector<std::string>{
                            "The word \"not\" is not permitted within a class descriptor.",
                            "The word \"not\" is not permitted within an adjectival descriptor.",
                            "The word \"not\" is not permitted within an adjectival or class "
                            "descriptor."}));
    EXPECT_TRUE(Describe("is not a non-greek", Number::Singular));
    messages.clear();
    // "not" where the adjective belongs is no adjective: a silent failure.
    EXPECT_FALSE(Describe("is not not wise", Number::Singular));
    EXPECT_TRUE(messages.empty());
}

TEST_F(DescriptorTest, AWordTheLexiconWouldRefuseIsNotEntered) {
    EXPECT_FALSE(Describe("is a rational . thing", Number::Singular));
    EXPECT_EQ(messages, std::vector<std::string>{"Period not allowed within a term"});
    EXPECT_FALSE(lexicon.FindTerm("."));
    EXPECT_FALSE(lexicon.FindTerm("thing"));
    EXPECT_FALSE(Describe("is , and wise", Number::Singular));
    EXPECT_FALSE(lexicon.FindTerm(","));
}

TEST_F(DescriptorTest, GroupsMustGetTheirOwnConnective) {
    EXPECT_FALSE(Describe("is both wise", Number::Singular));
    EXPECT_FALSE(Describe("is both wise or happy", Number::Singular));
    EXPECT_FALSE(Describe("is wise and", Number::Singular));
}

TEST_F(DescriptorTest, TwoUnknownWordsInARowAskForDefinitions) {
    EXPECT_FALSE(Describe("is well known", Number::Singular));
    EXPECT_TRUE(t.nat.TermProblem);
    EXPECT_EQ(lexicon.TermCount(), 1);  // "well", read as an adjective before "known"
}

TEST_F(DescriptorTest, AnUnknownPluralIsProposedAsAClassNoun) {
    RecordQuestions(true);
    const auto p = Describe("are philosophers", Number::Plural);
    ASSERT_TRUE(p.has_value());
    EXPECT_EQ(asked, std::vector<std::string>{"Please confirm or modify. PHILOSOPHERS C"});
    EXPECT_EQ(lexicon.Terms[0].Singular, "philosopher");
    EXPECT_EQ(p->formula, "(Px)");
}

TEST_F(DescriptorTest, ContradictoryProposalsAreLeftToTheUser) {
    RecordQuestions(true);
    ASSERT_TRUE(Describe("are greek philosophers", Number::Plural));
    EXPECT_EQ(asked, (std::vector<std::string>{"Please categorize term. GREEK ",
                                               "Please categorize term. PHILOSOPHERS "}));
}

TEST_F(DescriptorTest, KnownWordsSettleTheKindsWithoutQuestions) {
    RecordQuestions(true);
    Define("class noun", "philosopher");
    ASSERT_TRUE(Describe("are greek philosophers", Number::Plural));
    ASSERT_TRUE(Describe("are wise and happy", Number::Plural));  // several parts
    EXPECT_TRUE(asked.empty());
    EXPECT_EQ(lexicon.Terms[static_cast<size_t>(*lexicon.FindTerm("greek"))].Kind,
              TermKind::Adjective);
    EXPECT_EQ(lexicon.Terms[static_cast<size_t>(*lexicon.FindTerm("happy"))].Kind,
              TermKind::Adjective);
}

TEST_F(DescriptorTest, CancellingTheQuestionEndsTheTranslationWithoutRetry) {
    RecordQuestions(false);
    Define("specific noun", "socrates");
    EXPECT_EQ(Translate("Some philosophers are wise.").text, "");
    EXPECT_EQ(asked, std::vector<std::string>{"Please confirm or modify. WISE A"});
}

struct RelativeEnd {
    const char* name;
    const char* words;  // "who" is word 1
    Number number;      // the number it comes with
    int end;            // 0 when it fails
    Number result;
};
void PrintTo(const RelativeEnd& c, std::ostream* os) { *os << c.words; }
class RelativeEnds : public DescriptorTest, public ::testing::WithParamInterface<RelativeEnd> {};
TEST_P(RelativeEnds, EndWhereTheMainPredicateBegins) {
    const RelativeEnd& c = GetParam();
    Define("predicate", "excels");
    t.SetSentence(c.words);
    t.ScanSentence();
    Number number = c.number;
    const auto end = t.FindRelativeEnd(1, t.WordCount(), number);
    EXPECT_EQ(end.value_or(0), c.end) << c.words;
    if (end) {
        EXPECT_EQ(number, c.result) << c.words;
    }
}
INSTANTIATE_TEST_SUITE_P(
    Shapes, RelativeEnds,
    ::testing::Values(
        RelativeEnd{"WhoIsWiseIsHappy", "who is wise is happy", Number::Unknown, 3,
                    Number::Singular},
        RelativeEnd{"WhoIsWiseDies", "who is wise dies", Number::Singular, 3, Number::Singular},
        RelativeEnd{"WhoAreWiseIsHappy", "who are wise is happy", Number::Unknown, 0,
                    Number::Unknown},
        RelativeEnd{"WhoIsWise", "who is wise", Number::Plural, 0, Number::Unknown},
        RelativeEnd{"WhoDiesIsMortal", "who dies is mortal", Number::Unknown, 2, Number::Singular},
        RelativeEnd{"WhoStudiesExcels", "who studies excels", Number::Unknown, 2, Number::Singular},
        RelativeEnd{"WhoStudyExcel", "who study excel", Number::Unknown, 2, Number::Plural},
        RelativeEnd{"WhoStudiesHardExcels", "who studies hard excels", Number::Singular, 0,
                    Number::Unknown}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace deducto::testing
