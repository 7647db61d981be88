// The sentence structures: which one a sentence has, the formula it gives, and the remarks
// about pronouns.
#include "NaturalTestSupport.h"
#include "formula/modBuildPolish.h"

namespace deducto::testing {
namespace {

// A lexicon whose letters are the initials: socrates s, plato p, man M, philosopher P,
// king K, wise W, happy H, rich R, dies D.
class StructureTest : public NaturalTest {
protected:
    void SetUp() override {
        for (const char* name : {"socrates", "plato"}) Define("specific noun", name);
        for (const char* noun : {"man", "philosopher", "king"}) Define("class noun", noun);
        for (const char* adjective : {"wise", "happy", "rich"}) Define("adjective", adjective);
        Define("predicate", "dies");
    }
    // Scans and classifies; the translator is left ready for TranslateByType.
    SentenceType Classify(NaturalTranslator& t, std::string_view sentence) {
        t.SetSentence(sentence);
        t.ScanSentence();
        int n = t.WordCount();
        if (t.Word(n) == ".") --n;
        return t.ClassifySentence(n);
    }
};

struct Structure {
    const char* name;
    const char* sentence;
    const char* tag;
    const char* formula;
};
void PrintTo(const Structure& c, std::ostream* os) { *os << c.sentence; }
class Structures : public StructureTest, public ::testing::WithParamInterface<Structure> {};
TEST_P(Structures, AreRecognisedAndJoinTheirClauses) {
    const Structure& c = GetParam();
    NaturalTranslator t(session, 1);
    const SentenceType type = Classify(t, c.sentence);
    EXPECT_STREQ(SentenceTypeName(type), c.tag) << c.sentence;
    const std::string formula = t.TranslateByType(type);
    EXPECT_FALSE(t.nat.NatError) << c.sentence;
    EXPECT_EQ(formula, c.formula) << c.sentence;
    EXPECT_TRUE(BuildPolish(formula, Mode::Natural).ok()) << formula;
    EXPECT_TRUE(messages.empty());
}
INSTANTIATE_TEST_SUITE_P(
    Connectives, Structures,
    ::testing::Values(
        Structure{"SocratesIsWise", "Socrates is wise.", "typeC", "Ws"},
        Structure{"SocratesIsWiseAndPlatoIsHappy", "Socrates is wise, and Plato is happy.",
                  "typeCandC", "(Ws) and (Hp)"},
        Structure{"SocratesIsWiseAndPlatoIsHappyAndPlatoIsRich",
                  "Socrates is wise, and Plato is happy, and Plato is rich.", "typeCandCandC",
                  "(Ws) and (Hp) and (Rp)"},
        Structure{"SocratesIsWiseOrPlatoIsWise", "Socrates is wise, or Plato is wise.", "typeCorC",
                  "(Ws) or (Wp)"},
        Structure{"SocratesIsWiseOrPlatoIsHappyOrPlatoIsRich",
                  "Socrates is wise, or Plato is happy, or Plato is rich.", "typeCorCorC",
                  "(Ws) or (Hp) or (Rp)"},
        Structure{"SocratesIsWiseIfAndOnlyIfPlatoIsHappy",
                  "Socrates is wise if and only if Plato is happy.", "typeCiffC", "(Ws) iff (Hp)"},
        Structure{"IfSocratesIsWiseThenPlatoIsHappy", "If Socrates is wise, then Plato is happy.",
                  "typeCimpC", "(Ws) implies (Hp)"},
        Structure{"IfSocratesIsWiseAndPlatoIsWiseThenSocratesIsHappy",
                  "If Socrates is wise, and Plato is wise, then Socrates is happy.",
                  "typeCandCimpC", "(Ws) and (Wp) implies (Hs)"},
        Structure{"IfSocratesIsWiseOrPlatoIsWiseThenSocratesIsHappy",
                  "If Socrates is wise, or Plato is wise, then Socrates is happy.", "typeCorCimpC",
                  "(Ws) or (Wp) implies (Hs)"},
        Structure{"IfSocratesIsWiseThenEitherPlatoIsHappyOrPlatoIsRich",
                  "If Socrates is wise, then either Plato is happy, or Plato is rich.",
                  "typeCimpCorC", "(Ws) implies (Hp) or (Rp)"},
        Structure{"IfSocratesIsWiseAndPlatoIsWiseThenEitherSocratesIsHappyOr",
                  "If Socrates is wise, and Plato is wise, then either Socrates is happy, or "
                  "Plato dies.",
                  "typeCandCimpCorC", "(Ws) and (Wp) implies (Hs) or (Dp)"},
        Structure{"IfSocratesIsWiseOrPlatoIsWiseThenEitherSocratesIsHappyOr",
                  "If Socrates is wise, or Plato is wise, then either Socrates is happy, or "
                  "Plato dies.",
                  "typeCorCimpCorC", "(Ws) or (Wp) implies (Hs) or (Dp)"}),
    [](const auto& row) { return std::string(row.param.name); });
INSTANTIATE_TEST_SUITE_P(
    Pronouns, Structures,
    ::testing::Values(
        Structure{"SocratesIsWiseAndHeIsHappy", "Socrates is wise, and he is happy.",
                  "typeSCandSPC", "(Ws) and (Hs)"},
        Structure{"SomeManIsWiseAndHeIsHappy", "Some man is wise, and he is happy.", "typeSCandSPC",
                  "exists x (Mx and (Wx) and (Hx))"},
        Structure{"SocratesIsWiseOrHeDies", "Socrates is wise, or he dies.", "typeSCorSPC",
                  "(Ws) or (Ds)"},
        Structure{"SomeoneIsWiseAndSheIsHappy", "Someone is wise, and she is happy.",
                  "typeISCandSPC", "exists x ((Wx) and (Hx))"},
        Structure{"IfSocratesIsAManThenHeDies", "If Socrates is a man, then he dies.",
                  "typeSCimpSPC", "(Ms) implies (Ds)"},
        Structure{"IfAnyManIsWiseThenHeIsHappy", "If any man is wise, then he is happy.",
                  "typeSCimpSPC", "forall x ((Mx and (Wx)) implies (Hx))"},
        Structure{"IfAManIsWiseThenHeIsHappy", "If a man is wise, then he is happy.",
                  "typeSCimpSPC", "forall x ((Mx and (Wx)) implies (Hx))"},
        Structure{"IfSomeoneIsNotWiseThenHeOrSheIsNotHappy",
                  "If someone is not wise, then he or she is not happy.", "typeISCimpSPC",
                  "forall x (~(Wx) implies ~(Hx))"},
        Structure{"IfSomeMenAreWiseThenTheyAreHappy", "If some men are wise, then they are happy.",
                  "typePCimpPPC", "forall x ((Mx and (Wx)) implies (Hx))"},
        Structure{"IfSocratesIsWiseThenEitherHeIsHappyOrHeDies",
                  "If Socrates is wise, then either he is happy, or he dies.", "typeSCimpSPCorSPC",
                  "(Ws) implies (Hs) or (Ds)"},
        Structure{"IfSomebodyIsWiseThenEitherHeIsHappyOrSheIsRich",
                  "If somebody is wise, then either he is happy, or she is rich.",
                  "typeISCimpSPCorSPC", "forall x ((Wx) implies (Hx) or (Rx))"},
        Structure{"IfAnyKingsAreWiseThenEitherTheyAreHappyOrTheyAreRich",
                  "If any kings are wise, then either they are happy, or they are rich.",
                  "typePCimpPPCorPPC", "forall x ((Kx and (Wx)) implies (Hx) or (Rx))"},
        Structure{"SomeoneIsWiseIfAndOnlyIfHeIsHappy",
                  "Someone is wise if and only if he is happy.", "typeISCiffSPC",
                  "forall x ((Wx) iff (Hx))"},
        Structure{"AManIsWiseIfAndOnlyIfHeIsHappy", "A man is wise if and only if he is happy.",
                  "typeSCiffSPC", "forall x (Mx implies ((Wx) iff (Hx)))"},
        Structure{"SomeMenAreWiseIfAndOnlyIfTheyAreHappy",
                  "Some men are wise if and only if they are happy.", "typePCiffPPC",
                  "forall x (Mx implies ((Wx) iff (Hx)))"}),
    [](const auto& row) { return std::string(row.param.name); });
// Subjects for which the iff structures were given no formula: each now yields a formula
// the parser reads.
INSTANTIATE_TEST_SUITE_P(
    IffWithOtherSubjects, Structures,
    ::testing::Values(Structure{"SocratesIsWiseIfAndOnlyIfHeIsHappy",
                                "Socrates is wise if and only if he is happy.", "typeSCiffSPC",
                                "(Ws) iff (Hs)"},
                      Structure{"EveryManIsWiseIfAndOnlyIfHeIsHappy",
                                "Every man is wise if and only if he is happy.", "typeSCiffSPC",
                                "forall x (Mx implies ((Wx) iff (Hx)))"},
                      Structure{"NoManIsWiseIfAndOnlyIfHeIsHappy",
                                "No man is wise if and only if he is happy.", "typeSCiffSPC",
                                "forall x (Mx implies (not (Wx) iff (Hx)))"},
                      Structure{"AllMenAreWiseIfAndOnlyIfTheyAreHappy",
                                "All men are wise if and only if they are happy.", "typePCiffPPC",
                                "forall x (Mx implies ((Wx) iff (Hx)))"},
                      Structure{"NoMenAreWiseIfAndOnlyIfTheyAreHappy",
                                "No men are wise if and only if they are happy.", "typePCiffPPC",
                                "forall x (Mx implies (not (Wx) iff (Hx)))"}),
    [](const auto& row) { return std::string(row.param.name); });

struct Mismatch {
    const char* name;
    const char* sentence;
};
void PrintTo(const Mismatch& c, std::ostream* os) { *os << c.sentence; }
class Mismatches : public StructureTest, public ::testing::WithParamInterface<Mismatch> {};
TEST_P(Mismatches, FailSilently) {
    const Translation r = Translate(GetParam().sentence);
    EXPECT_EQ(r.text, "") << GetParam().sentence;
    EXPECT_TRUE(messages.empty()) << GetParam().sentence;
}
INSTANTIATE_TEST_SUITE_P(
    Structures, Mismatches,
    ::testing::Values(
        Mismatch{"AllMenAreWiseAnd", "All men are wise, and"},
        Mismatch{"AllMenAreWiseSoPlatoIsWise", "All men are wise, so Plato is wise."},
        Mismatch{"SocratesIsWiseIfAndPlatoIsHappy", "Socrates is wise if and Plato is happy."},
        Mismatch{"IfSocratesIsWiseThenEitherHeIsHappyOrPlatoIsRich",
                 "If Socrates is wise, then either he is happy, or Plato is rich."},
        Mismatch{"IfEveryManIsWiseThenHeIsHappy", "If every man is wise, then he is happy."},
        Mismatch{"IfAllMenAreWiseThenTheyAreHappy", "If all men are wise, then they are happy."},
        Mismatch{"IfSocratesIsWiseThenEitherPlatoIsHappyOrHeIsRich",
                 "If Socrates is wise, then either Plato is happy, or he is rich."}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(StructureTest, AReversedPronounDisjunctionIsAPlainDisjunction) {
    NaturalTranslator t(session, 1);
    EXPECT_EQ(Classify(t, "If Socrates is wise, then either Plato is happy, or he is rich."),
              SentenceType::typeCimpCorC);
}

TEST_F(StructureTest, WithoutCommasTheSentenceIsOneClause) {
    NaturalTranslator t(session, 1);
    EXPECT_EQ(Classify(t, "Socrates is wise or Plato is wise."), SentenceType::typeC);
}

TEST_F(StructureTest, RemarksNameEachPronounAndItsAntecedent) {
    EXPECT_EQ(Translate("If Socrates is a man, then he dies.").text, "(Ms) implies (Ds)");
    EXPECT_EQ(Translate("If somebody is wise, then either he is happy, or she is rich.").text,
              "forall x ((Wx) implies (Hx) or (Rx))");
    EXPECT_EQ(messages, (std::vector<std::string>{
                            "The antecedent of \"HE\" is assumed to be \"SOCRATES.\"",
                            "The antecedent of \"HE\" is assumed to be \"SOMEBODY.\"",
                            "The antecedent of \"SHE\" is assumed to be \"SOMEBODY.\""}));
}

TEST_F(StructureTest, AWorkedExampleKeepsItsConditionalRemarksToItself) {
    flags.exampleLoading = true;
    EXPECT_EQ(Translate("If Socrates is a man, then he dies.").text, "(Ms) implies (Ds)");
    EXPECT_EQ(Translate("Socrates is wise, and he is happy.").text, "(Ws) and (Hs)");
    EXPECT_EQ(messages,
              std::vector<std::string>{"The antecedent of \"HE\" is assumed to be \"SOCRATES.\""});
}

TEST_F(StructureTest, AClauseWithoutTheExpectedExistentialFailsTheSentence) {
    const Translation r = Translate("If it is not true that someone is wise, then he is happy.");
    EXPECT_EQ(r.text, "");
    EXPECT_EQ(messages, std::vector<std::string>{"Impossible error"});
}

}  // namespace
}  // namespace deducto::testing
