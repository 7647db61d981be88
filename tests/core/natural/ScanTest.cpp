// Cutting a sentence into words and rewriting its connectives.
#include <functional>

#include "NaturalTestSupport.h"

namespace deducto::testing {
namespace {

// The rewritten words joined by spaces, "!" marking a word whose clause is negated.
std::string Words(const NaturalTranslator& t) {
    std::string out;
    for (int k = 1; k <= t.WordCount(); ++k) {
        if (k > 1) out += ' ';
        out += (t.NegFlag(k) ? "!" : "") + t.Word(k);
    }
    return out;
}

struct Rewrite {
    const char* name;
    const char* sentence;
    const char* words;
};
void PrintTo(const Rewrite& c, std::ostream* os) { *os << c.sentence; }
class RewriteTest : public NaturalTest, public ::testing::WithParamInterface<Rewrite> {};
TEST_P(RewriteTest, GivesTheCanonicalWords) {
    NaturalTranslator t(session, 1);
    t.SetSentence(GetParam().sentence);
    t.ScanSentence();
    EXPECT_FALSE(t.nat.NatError);
    EXPECT_EQ(Words(t), GetParam().words);
}
INSTANTIATE_TEST_SUITE_P(
    Connectives, RewriteTest,
    ::testing::Values(
        Rewrite{"ThereforeSocratesWillDie", "Therefore Socrates will die.", "socrates will die"},
        Rewrite{"ThereforeWithCommaSocratesWillDie", "Therefore, Socrates will die.",
                "socrates will die"},
        Rewrite{"AllMenAreMortalHoweverSocratesIsNot",
                "All men are mortal; however, Socrates is not.",
                "all men are mortal , and socrates is not"},
        Rewrite{"EitherSocratesIsWiseOrHeIsHappy", "Either Socrates is wise, or he is happy.",
                "socrates is wise , or he is happy"},
        Rewrite{"SocratesIsWiseOrElsePlatoIs", "Socrates is wise or else Plato is.",
                "socrates is wise or plato is"},
        Rewrite{"YetPlatoIsWise", "Yet Plato is wise.", "plato is wise"},
        Rewrite{"SocratesIsWiseButPlatoIsNot", "Socrates is wise, but Plato is not.",
                "socrates is wise , and plato is not"},
        Rewrite{"WheneverSocratesIsWisePlatoIsHappy", "Whenever Socrates is wise, Plato is happy.",
                "if socrates is wise , then plato is happy"},
        Rewrite{"WhoeverIsWiseIsHappy", "Whoever is wise is happy.",
                "everything that is wise is happy"},
        Rewrite{"SocratesIsHappyUnlessPlatoIsWise", "Socrates is happy unless Plato is wise.",
                "socrates is happy , or plato is wise"},
        Rewrite{"IfSocratesIsAManSocratesIsMortal", "If Socrates is a man, Socrates is mortal",
                "if socrates is a man , then socrates is mortal"},
        Rewrite{"IfSocratesIsAManAndPlatoIsAManSocratesIsMortal",
                "If Socrates is a man, and Plato is a man, Socrates is mortal",
                "if socrates is a man , and plato is a man , then socrates is mortal"},
        Rewrite{"SocratesIsMortalOnlyIfSocratesIsAMan",
                "Socrates is mortal only if Socrates is a man",
                "if socrates is mortal , then socrates is a man"},
        Rewrite{"SocratesIsMortalIfSocratesIsAMan", "Socrates is mortal if Socrates is a man",
                "socrates is mortal , or !socrates is a man"},
        Rewrite{"SocratesIsHappyIfAndOnlyIfHeIsWise", "Socrates is happy if and only if he is wise",
                "socrates is happy if and only if he is wise"},
        Rewrite{"NotEveryKingIsAPhilosopher", "Not every king is a philosopher",
                "!every king is a philosopher"},
        Rewrite{"ItIsTrueThatItIsNotTrueThatItIsNotTrueThatSocratesIsWise",
                "It is true that it is not true that it is not true that Socrates is wise",
                "socrates is wise"},
        Rewrite{"IfAManIsWiseThenHeOrSheIsHappy", "If a man is wise, then he or she is happy",
                "if some man is wise , then he or she is happy"}),
    [](const auto& row) { return std::string(row.param.name); });
INSTANTIATE_TEST_SUITE_P(
    Contractions, RewriteTest,
    ::testing::Values(Rewrite{"SocratesIsntWise", "Socrates isn't wise", "socrates is not wise"},
                      Rewrite{"MenArentWise", "Men aren't wise", "men are not wise"},
                      Rewrite{"NobodysPerfect", "Nobody's perfect", "nobody is perfect"},
                      Rewrite{"NoOnesPerfect", "No one's perfect", "no one is perfect"},
                      Rewrite{"TheresAGod", "There's a god", "there is a god"},
                      Rewrite{"TheyreWise", "They're wise", "they are wise"}),
    [](const auto& row) { return std::string(row.param.name); });

using ScanTest = NaturalTest;

TEST_F(ScanTest, MultiWordFormsAreOneWordUnlessPunctuationFollows) {
    Define("predicate", "will die");
    NaturalTranslator t(session, 4);
    t.SetSentence("Socrates will die, and Plato will die; Xenophon will die.");
    t.ScanSentence();
    EXPECT_EQ(Words(t), "socrates will die , and plato will die , and xenophon will die");
    EXPECT_EQ(t.WordCount(), 11);
    EXPECT_EQ(lexicon.Terms[0].LineUse, "NNNNYNNNN");
}

TEST_F(ScanTest, AConditionalWithoutItsCommaFailsSilently) {
    const Translation r = Translate("If Socrates is a man Socrates is mortal.");
    EXPECT_EQ(r.text, "");
    EXPECT_EQ(r.errPos, 40);  // the end of the text
    EXPECT_TRUE(messages.empty());
}

TEST_F(ScanTest, SixtyWordsAreReadAndTheSixtyFirstIsRefused) {
    std::string sixty = "Socrates is wise";
    for (int i = 0; i < 28; ++i) sixty += " or wise";
    sixty += " indeed";  // 3 + 56 + 1 words
    NaturalTranslator t(session, 1);
    t.SetSentence(sixty);
    t.ScanSentence();
    EXPECT_EQ(t.WordCount(), 60);
    EXPECT_FALSE(t.nat.NatError);

    const Translation r = Translate(sixty + " too.");
    EXPECT_EQ(r.text, "");
    EXPECT_EQ(messages, std::vector<std::string>{kSentenceTooLong});
    EXPECT_EQ(r.sentence.substr(static_cast<size_t>(r.errPos)), "too.");
}

TEST_F(ScanTest, RewritingThatWouldOverflowTheListStopsWithTheMessage) {
    std::string text = "Socrates is wise";
    for (int words = 3; words + 2 <= 56; words += 2) text += " or wise";
    text += " if Plato is wise";  // 59 words, and "if" would become seven
    const Translation r = Translate(text);
    EXPECT_EQ(r.text, "");
    EXPECT_EQ(messages, std::vector<std::string>{kSentenceTooLong});
}

TEST_F(ScanTest, DuringAReparseAnUnknownPlainWordFails) {
    Define("specific noun", "socrates");
    flags.reparsing = true;
    const Translation r = Translate("Socrates is wise.");
    EXPECT_EQ(r.text, "");
    EXPECT_EQ(r.errPos, 16);  // just after "wise"
    EXPECT_EQ(lexicon.TermCount(), 1);
}

TEST_F(ScanTest, APeriodAloneTranslatesToNothing) {
    const Translation r = Translate(" . ");
    EXPECT_EQ(r.text, "");
    EXPECT_EQ(r.errPos, 0);
    EXPECT_TRUE(messages.empty());
}

// The list operations at the edges of the list: positions are 1-based, 0 and positions past
// the last word are clamped or read as "", as the rewriting rules rely on.
struct ListEdit {
    const char* name;
    std::function<void(NaturalTranslator&)> edit;
    const char* words;
};
void PrintTo(const ListEdit& e, std::ostream* os) { *os << e.name; }
class WordListEdits : public NaturalTest, public ::testing::WithParamInterface<ListEdit> {};
TEST_P(WordListEdits, KeepTheListsEdges) {
    NaturalTranslator t(session, 1);
    t.SetSentence("who a that b");
    t.ScanSentence();
    GetParam().edit(t);
    EXPECT_EQ(Words(t), GetParam().words) << GetParam().name;
}
INSTANTIATE_TEST_SUITE_P(
    Edges, WordListEdits,
    ::testing::Values(
        ListEdit{"InsertBeforeTheFirst", [](auto& list) { (void)list.InsertWord("x", 0); },
                 "x who a that b"},
        ListEdit{"InsertPastTheEnd", [](auto& list) { (void)list.InsertWord("x", 9); },
                 "who a that b x"},
        ListEdit{"InsertAtTheLast", [](auto& list) { (void)list.InsertWord("x", 4); },
                 "who a that x b"},
        ListEdit{"DeleteNoneCountsAsOne", [](auto& list) { list.DeleteWords(2, 0); }, "who that b"},
        ListEdit{"DeletePastTheEnd", [](auto& list) { list.DeleteWords(3, 9); }, "who a"},
        ListEdit{"DeleteAt0", [](auto& list) { list.DeleteWords(0, 1); }, "who a that b"},
        ListEdit{"DeletePastTheLast", [](auto& list) { list.DeleteWords(5, 1); }, "who a that b"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(ScanTest, SearchesGivePositionsFrom1AndZeroForNone) {
    NaturalTranslator t(session, 1);
    t.SetSentence("who a that b is c");
    t.ScanSentence();
    EXPECT_EQ(t.Word(0), "");
    EXPECT_EQ(t.Word(7), "");
    EXPECT_EQ(t.FindWord("who", 0, 0), 1);
    EXPECT_EQ(t.FindWord("c", 2, 0), 6);  // to 0: the last word
    EXPECT_EQ(t.FindWord("c", 2, 5), 0);
    EXPECT_EQ(t.FindWhoThat(2, 0), 3);
    EXPECT_EQ(t.LastWhoThat(1, 0), 1);  // to 0: from alone
    EXPECT_EQ(t.LastWhoThat(1, 99), 3);
    EXPECT_EQ(t.LastWhoThat(2, 2), 0);
    EXPECT_TRUE(t.MatchPhrase("is c", 5));
    EXPECT_FALSE(t.MatchPhrase("c d", 6));  // runs past the last word
    EXPECT_EQ(t.LastCopula(1, 99), "is");
    EXPECT_EQ(t.copulaPos, 5);
    EXPECT_EQ(t.LastCopula(6, 6), "");
    EXPECT_EQ(t.copulaPos, 0);
}

}  // namespace
}  // namespace deducto::testing
