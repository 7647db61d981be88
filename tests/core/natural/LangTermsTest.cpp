// The lexicon: inflections, spacing, adding terms with their derived forms, letters and
// their limits, conflicts, and the checks on edited term texts.
#include "NaturalTestSupport.h"

namespace deducto::testing {
namespace {

struct Inflection {
    const char* name;
    std::string (*rule)(std::string_view);
    const char* text;
    const char* expected;
};
void PrintTo(const Inflection& c, std::ostream* os) { *os << c.text; }
class Inflections : public ::testing::TestWithParam<Inflection> {};
TEST_P(Inflections, DeriveTheFormOrNothing) {
    const Inflection& c = GetParam();
    EXPECT_EQ(c.rule(c.text), c.expected) << c.text;
}
INSTANTIATE_TEST_SUITE_P(NounPlural, Inflections,
                         ::testing::Values(Inflection{"Philosopher", NounPlural, "philosopher",
                                                      "philosophers"},
                                           Inflection{"Box", NounPlural, "box", "boxes"},
                                           Inflection{"Church", NounPlural, "church", "churches"},
                                           Inflection{"Class", NounPlural, "class", "classes"},
                                           Inflection{"Fly", NounPlural, "fly", "flies"},
                                           Inflection{"Day", NounPlural, "day", "days"},
                                           Inflection{"Woman", NounPlural, "woman", "women"},
                                           Inflection{"Bus", NounPlural, "bus", ""},
                                           Inflection{"Ox", NounPlural, "ox", ""},
                                           Inflection{"GreekPhilosopher", NounPlural,
                                                      "greek philosopher", "greek philosophers"}),
                         [](const auto& row) { return std::string(row.param.name); });
INSTANTIATE_TEST_SUITE_P(NounSingular, Inflections,
                         ::testing::Values(Inflection{"Ties", NounSingular, "ties", "tie"},
                                           Inflection{"Flies", NounSingular, "flies", "fly"},
                                           Inflection{"Women", NounSingular, "women", "woman"},
                                           Inflection{"Boxes", NounSingular, "boxes", "box"},
                                           Inflection{"Classes", NounSingular, "classes", "class"},
                                           Inflection{"Dogs", NounSingular, "dogs", "dog"},
                                           Inflection{"Sheep", NounSingular, "sheep", ""},
                                           Inflection{"Is", NounSingular, "is", ""}),
                         [](const auto& row) { return std::string(row.param.name); });
INSTANTIATE_TEST_SUITE_P(
    PredicateNumbers, Inflections,
    ::testing::Values(Inflection{"PluralIsMortal", PredicatePlural, "is mortal", "are mortal"},
                      Inflection{"PluralHasWings", PredicatePlural, "has wings", "have wings"},
                      Inflection{"PluralDoesWork", PredicatePlural, "does work", "do work"},
                      Inflection{"PluralWasHere", PredicatePlural, "was here", "were here"},
                      Inflection{"PluralWillDie", PredicatePlural, "will die", "will die"},
                      Inflection{"PluralCannotFly", PredicatePlural, "cannot fly", "cannot fly"},
                      Inflection{"PluralDies", PredicatePlural, "dies", "die"},
                      Inflection{"PluralFliesSouth", PredicatePlural, "flies south", "fly south"},
                      Inflection{"PluralGoSouth", PredicatePlural, "go south", ""},
                      Inflection{"SingularAreMortal", PredicateSingular, "are mortal", "is mortal"},
                      Inflection{"SingularHaveWings", PredicateSingular, "have wings", "has wings"},
                      Inflection{"SingularDoNotThink", PredicateSingular, "do not think",
                                 "does not think"},
                      Inflection{"SingularWereHere", PredicateSingular, "were here", "was here"},
                      Inflection{"SingularCanFly", PredicateSingular, "can fly", "can fly"},
                      Inflection{"SingularDie", PredicateSingular, "die", "dies"},
                      Inflection{"SingularFlySouth", PredicateSingular, "fly south", "flies south"},
                      // A first word too short to inflect gives no form, not " south".
                      Inflection{"SingularGoSouth", PredicateSingular, "go south", ""}),
    [](const auto& row) { return std::string(row.param.name); });
INSTANTIATE_TEST_SUITE_P(
    Polarity, Inflections,
    ::testing::Values(
        Inflection{"NegateIsMortal", NegatePredicate, "is mortal", "is not mortal"},
        Inflection{"NegateHasWings", NegatePredicate, "has wings", "does not have wings"},
        Inflection{"NegateCanFly", NegatePredicate, "can fly", "cannot fly"},
        Inflection{"NegateWasHere", NegatePredicate, "was here", "was not here"},
        Inflection{"NegateDoesWork", NegatePredicate, "does work", "does not do work"},
        Inflection{"NegateWillDie", NegatePredicate, "will die", "will not die"},
        Inflection{"NegateFliesSouth", NegatePredicate, "flies south", "does not fly south"},
        Inflection{"NegateDies", NegatePredicate, "dies", "does not die"},
        Inflection{"NegateHasSomeWings", NegatePredicate, "has some wings",
                   "does not have any wings"},
        Inflection{"NegateAreMortal", NegatePredicate, "are mortal", ""},
        Inflection{"NegateDie", NegatePredicate, "die", ""},
        Inflection{"AffirmDoesNotHaveAnyWings", AffirmPredicate, "does not have any wings",
                   "has some wings"},
        Inflection{"AffirmDoNotThink", AffirmPredicate, "do not think", "think"},
        Inflection{"AffirmDoesNotDie", AffirmPredicate, "does not die", "dies"},
        Inflection{"AffirmCannotFly", AffirmPredicate, "cannot fly", "can fly"},
        Inflection{"AffirmIsNotMortal", AffirmPredicate, "is not mortal", "is mortal"},
        Inflection{"AffirmWillNot", AffirmPredicate, "will not", "will"},
        Inflection{"AffirmHasNoWings", AffirmPredicate, "has no wings", "has some wings"},
        Inflection{"AffirmIsMortal", AffirmPredicate, "is mortal", ""}),
    [](const auto& row) { return std::string(row.param.name); });
INSTANTIATE_TEST_SUITE_P(Complements, Inflections,
                         ::testing::Values(Inflection{"NonWise", ComplementOf, "non-wise", "wise"},
                                           Inflection{"Nonwise", ComplementOf, "nonwise", "wise"},
                                           Inflection{"Nonsense", ComplementOf, "nonsense",
                                                      "sense"},
                                           Inflection{"Wise", ComplementOf, "wise", "non-wise"},
                                           Inflection{"Empty", ComplementOf, "", ""}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(ModalPrefix, GivesTheLengthOfTheModalAndItsSpace) {
    EXPECT_EQ(ModalPrefix("should go"), 7u);
    EXPECT_EQ(ModalPrefix("will die"), 5u);
    EXPECT_EQ(ModalPrefix("may rain"), 4u);
    EXPECT_FALSE(ModalPrefix("willing"));
}

TEST(NormaliseSpacing, CollapsesRunsAndDropsSpacesBeforePunctuation) {
    EXPECT_EQ(NormaliseSpacing("  all  men ,  are   mortal  . "), "all men, are mortal.");
    EXPECT_EQ(NormaliseSpacing("  wise  man  ", true), " wise man ");
    EXPECT_EQ(NormaliseSpacing("   "), "");
}

// Accented letters have their case mapped as plain ones do, keeping the text's byte length;
// characters without a case, and bytes that are not UTF-8, are left as they are.
TEST(CaseMapping, MapsAccentedLettersBothWays) {
    const std::vector<std::pair<std::string, std::string>> pairs = {
        {"\u00e9pique", "\u00c9PIQUE"},
        {"na\u00efve \u00fcber", "NA\u00cfVE \u00dcBER"},
        {"\u0161\u0165astn\u00fd", "\u0160\u0164ASTN\u00dd"},
        {"\u013e\u017e\u0148", "\u013d\u017d\u0147"},
        {"\u00ff", "\u0178"},
        {"\u0153uvre", "\u0152UVRE"}};
    for (const auto& [lower, upper] : pairs) {
        EXPECT_EQ(ToUpper(lower), upper);
        EXPECT_EQ(ToLower(upper), lower);
        EXPECT_EQ(ToUpper(lower).size(), lower.size());
    }
    for (const std::string unchanged : {"\u00df \u00f7 \u00d7 \u0131 \u0130", "\u2200 \xff\xc3"}) {
        EXPECT_EQ(ToUpper(unchanged), unchanged);
        EXPECT_EQ(ToLower(unchanged), unchanged);
    }
}

TEST(TermsOverlap, OnlyWholeLeadingWordsOverlap) {
    EXPECT_TRUE(TermsOverlap("wise", "wise man"));
    EXPECT_TRUE(TermsOverlap("wise man", "wise"));
    EXPECT_FALSE(TermsOverlap("wise", "otherwise"));
    EXPECT_FALSE(TermsOverlap("wise", "wiser"));
}

TEST(CoreWords, HoldTheFixedListExactly) {
    EXPECT_EQ(CoreWords().size(), 74u);
    EXPECT_TRUE(IsCoreWord("he or she"));
    EXPECT_TRUE(IsCoreWord(";"));
    EXPECT_FALSE(IsCoreWord("Any"));  // callers pass lower case
}

using LexiconTest = NaturalTest;

TEST_F(LexiconTest, AClassNounGetsItsPluralAndComplements) {
    NatState nat(s.prompts, 2);
    EXPECT_EQ(lexicon.AddTerm("philosopher", TermKind::ClassNoun, Number::Singular, false, nat),
              "P");
    const LangTerm& t = lexicon.Terms[0];
    EXPECT_EQ(t.Plural, "philosophers");
    EXPECT_EQ(t.CompSingular, "non-philosopher");
    EXPECT_EQ(t.CompPlural, "non-philosophers");
    EXPECT_EQ(t.LineUse, "NNYNNNNNN");
    // Its complementary forms are written with a negation sign.
    EXPECT_EQ(lexicon.AddTerm("non-philosophers", TermKind::ClassNoun, Number::Plural, false, nat),
              "~P");
    EXPECT_FALSE(nat.NatError);
}

TEST_F(LexiconTest, APredicateFillsItsNegativePluralFromTheNegativeSingular) {
    Define("predicate", "dies");
    const LangTerm& t = lexicon.Terms[0];
    EXPECT_EQ(t.Plural, "die");
    EXPECT_EQ(t.NegSingular, "does not die");
    EXPECT_EQ(t.NegPlural, "do not die");
}

TEST_F(LexiconTest, AnOverlappingTextIsRefusedWithItsMessage) {
    Define("adjective", "wise");
    NatState nat(s.prompts);
    EXPECT_EQ(lexicon.AddTerm("wise man", TermKind::ClassNoun, Number::Singular, false, nat), "");
    EXPECT_TRUE(nat.NatError);
    EXPECT_EQ(messages.back(), "\"wise man\" conflicts with another term");
    EXPECT_EQ(lexicon.TermCount(), 1);
    Define("adjective", "wiser");
    EXPECT_EQ(lexicon.TermCount(), 2);
}

// "hes" would make the class noun "he", a core word: the form must be given, not derived.
TEST_F(LexiconTest, ADerivedFormTheRulesRefuseIsAMissingForm) {
    NatState nat(s.prompts);
    EXPECT_EQ(lexicon.AddTerm("hes", TermKind::ClassNoun, Number::Plural, false, nat), "");
    EXPECT_TRUE(nat.NatError);
    EXPECT_TRUE(nat.TermProblem);
    EXPECT_EQ(lexicon.TermCount(), 0);
}

TEST_F(LexiconTest, AKnownFormOfTheWrongNumberOrKindFailsWithoutAMessage) {
    Define("class noun", "philosopher");
    for (const auto& [kind, number] : {std::pair{TermKind::ClassNoun, Number::Singular},
                                       std::pair{TermKind::Adjective, Number::Plural}}) {
        NatState nat(s.prompts);
        lexicon.AddTerm("philosophers", kind, number, false, nat);
        EXPECT_TRUE(nat.NatError);
    }
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(lexicon.TermCount(), 1);
}

TEST_F(LexiconTest, ANounWithoutADerivablePluralIsATermProblem) {
    NatState nat(s.prompts);
    lexicon.AddTerm("bus", TermKind::ClassNoun, Number::Singular, false, nat);
    EXPECT_TRUE(nat.NatError);
    EXPECT_TRUE(nat.TermProblem);
    EXPECT_EQ(lexicon.TermCount(), 0);
    NatState core(s.prompts);
    lexicon.AddTerm("nobody", TermKind::ClassNoun, Number::Singular, false, core);
    EXPECT_TRUE(core.NatError);
    EXPECT_FALSE(core.TermProblem);
}

TEST_F(LexiconTest, ADerivedFormOfAnEarlierTermConflicts) {
    Define("adjective", "greek");  // its complement is non-greek
    NatState nat(s.prompts);
    lexicon.AddTerm("non-greeks", TermKind::ClassNoun, Number::Plural, false, nat);
    EXPECT_TRUE(nat.TermProblem);
    EXPECT_TRUE(messages.empty());  // said only inside the Check Language Terms dialog
    nat.CheckDialogOpen = true;
    lexicon.AddTerm("non-greeks", TermKind::ClassNoun, Number::Plural, false, nat);
    EXPECT_EQ(messages, std::vector<std::string>{"Term conflicts with an existing term."});
    EXPECT_EQ(lexicon.TermCount(), 1);
}

TEST_F(LexiconTest, TermsTakeTheirInitialWhileItIsFree) {
    EXPECT_EQ(Define("predicate", "is mortal"), "I");
    EXPECT_EQ(Define("adjective", "mortal"), "M");
    EXPECT_EQ(Define("adjective", "modest"), "X");
    EXPECT_EQ(Define("adjective", "mild"), "Y");
    EXPECT_EQ(Define("specific noun", "socrates"), "s");
    EXPECT_EQ(Define("specific noun", "xerxes"), "y");  // x is the variable
    EXPECT_EQ(lexicon.UpperLetterPool.find('M'), std::string::npos);
}

TEST_F(LexiconTest, PoolsRefuseTheTermAfterTheLast) {
    const auto name = [](char initial, int i) {
        return std::string{initial, static_cast<char>('a' + i / 26),
                           static_cast<char>('a' + i % 26)};
    };
    for (int i = 0; i < kMaxOtherTerms; ++i) Define("adjective", name('w', i));
    NatState nat(s.prompts);
    lexicon.AddTerm("one more", TermKind::Adjective, Number::Singular, false, nat);
    EXPECT_TRUE(nat.NatError);
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages.back(), "Maximum of 26 adjectives / class nouns / predicates exceeded.");
    EXPECT_EQ(lexicon.TermCount(), kMaxOtherTerms);
    for (int i = 0; i < kMaxSpecificNouns; ++i) Define("specific noun", name('n', i));
    lexicon.AddTerm("last", TermKind::SpecificNoun, Number::Singular, false, nat);
    EXPECT_EQ(messages.back(), "Maximum of 25 specific nouns exceeded.");
    EXPECT_EQ(lexicon.TermCount(), kMaxOtherTerms + kMaxSpecificNouns);
}

TEST_F(LexiconTest, FormNumberIsOpenForAFormOfBothNumbers) {
    LangTerm sheep;
    sheep.Kind = TermKind::ClassNoun;
    sheep.Singular = sheep.Plural = "sheep";
    sheep.CompSingular = sheep.CompPlural = "non-sheep";
    lexicon.Terms.push_back(sheep);
    Define("class noun", "dog");
    EXPECT_EQ(lexicon.FormNumber("sheep", 0), Number::Unknown);
    EXPECT_EQ(lexicon.FormNumber("dogs", 1), Number::Plural);
    EXPECT_EQ(lexicon.FormNumber("non-dog", 1), Number::Singular);
}

TEST_F(LexiconTest, DefinitionsAreCheckedAndListed) {
    EXPECT_EQ(DefineTerm("adverb", "fast", session).error,
              "Unknown kind of term \"adverb\" (expected adjective, specific noun, class noun or "
              "predicate)");
    EXPECT_EQ(DefineTerm("adjective", "Any", session).error,
              "\"any\" is a core word and cannot be used as a term");
    EXPECT_TRUE(DefineTermFromLine("Term: class noun: Greek  Philosopher", session).ok());
    EXPECT_TRUE(DefineTermFromLine("predicate: will die", session).ok());
    EXPECT_EQ(DefineTerm("adjective", "bus", session).letter, "B");
    EXPECT_EQ(LexiconListing(lexicon.Terms),
              (std::vector<std::string>{
                  "G  class noun: greek philosopher | greek philosophers | non-greek philosopher | "
                  "non-greek philosophers",
                  "W  predicate: will die | will die | will not die | will not die",
                  "B  adjective: bus | non-bus"}));
}

// A term's line gives back exactly the term: derived forms are left out, corrected ones are
// written and read again; forms the lexicon would refuse leave it as it was.
TEST_F(LexiconTest, TermLinesCarryCorrectedForms) {
    ASSERT_TRUE(DefineTerm("class noun", "man", session).ok());
    EXPECT_EQ(TermLineText(lexicon.Terms[0]), "man");
    lexicon.Terms[0].Plural = "menfolk";
    EXPECT_EQ(TermLineText(lexicon.Terms[0]), "man | menfolk | non-man | non-men");

    Session again(s.prompts, s.pump);
    ASSERT_TRUE(DefineTerm("class noun", "Man | Menfolk | non-man | non-men", again).ok());
    ASSERT_EQ(again.lexicon.TermCount(), 1);
    EXPECT_EQ(again.lexicon.Terms[0].Plural, "menfolk");
    EXPECT_EQ(TermLineText(again.lexicon.Terms[0]), "man | menfolk | non-man | non-men");

    EXPECT_EQ(DefineTerm("adjective", "wise | non-wise | unwise", again).error,
              "A adjective has 2 forms separated by \"|\"");
    EXPECT_EQ(DefineTerm("adjective", "brave | menfolk", again).error,
              "Term conflicts with an existing term.");
    EXPECT_EQ(DefineTerm("adjective", "bold | non.bold", again).error,
              "Period not allowed within a term");
    EXPECT_EQ(again.lexicon.TermCount(), 1);  // nothing of the refused terms stays
}

struct Validation {
    const char* name;
    std::vector<TermTexts> table;
    const char* message;  // "" when the table is valid
};
void PrintTo(const Validation& c, std::ostream* os) { *os << (*c.message ? c.message : "valid"); }
class ValidateTermTextsTest : public ::testing::TestWithParam<Validation> {};
TEST_P(ValidateTermTextsTest, ReportsTheFirstFailingRule) {
    std::vector<TermTexts> table = GetParam().table;
    const auto message = ValidateTermTexts(table);
    EXPECT_EQ(message.value_or(""), GetParam().message);
}
using K = TermKind;
INSTANTIATE_TEST_SUITE_P(
    Rules, ValidateTermTextsTest,
    ::testing::Values(
        Validation{"AnyCaseValid",
                   {{K::Adjective, {"WISE", "NON-WISE"}}, {K::SpecificNoun, {"Socrates"}}},
                   ""},
        Validation{
            "DoubleSpaceConflicts",
            {{K::Adjective, {"wise", "non-wise"}}, {K::ClassNoun, {"wise  man", "", "", ""}}},
            "\"wise man\" conflicts with another term"},
        Validation{"AdjectiveFormsEqual",
                   {{K::Adjective, {"wise", "wise"}}},
                   "\"wise\" conflicts with another term"},
        Validation{"SheepSameInBothNumbers",
                   {{K::ClassNoun, {"sheep", "sheep", "non-sheep", "non-sheep"}}},
                   ""},
        Validation{"CoreWord",
                   {{K::SpecificNoun, {"Any"}}},
                   "\"any\" is a core word and cannot be used as a term"},
        Validation{"CoreWordSemicolon",
                   {{K::SpecificNoun, {";"}}},
                   "\";\" is a core word and cannot be used as a term"},
        Validation{"Punctuation",
                   {{K::SpecificNoun, {","}}},
                   "\",\" is a recognized punctuation symbol and cannot be used as a term"},
        Validation{
            "PeriodInside", {{K::SpecificNoun, {"st. paul"}}}, "Period not allowed within a term"},
        Validation{"MissingVariants",
                   {{K::ClassNoun, {"", "dogs", "", ""}}},
                   "Missing variant(s) for \"dogs\""},
        Validation{"EmptyClassNounValid", {{K::ClassNoun, {"", "", "", ""}}}, ""},
        Validation{"ComplementsNotDistinct",
                   {{K::ClassNoun, {"dog", "dogs", "dogs", "non-dogs"}}},
                   "Complementary forms not distinct for \"dog\""},
        Validation{"PredicateFormsNotDistinct",
                   {{K::Predicate, {"can fly", "cannot fly", "can fly", "can fly"}}},
                   "Affirmative/Negative forms not distinct for \"can fly\""}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace deducto::testing
