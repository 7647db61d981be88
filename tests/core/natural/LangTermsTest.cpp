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
    const AddedTerm added =
        lexicon.AddTerm("philosopher", TermKind::ClassNoun, Number::Singular, false, 2);
    EXPECT_EQ(added.letter, "P");
    const LangTerm& t = lexicon.Terms[0];
    EXPECT_EQ(t.Plural, "philosophers");
    EXPECT_EQ(t.CompSingular, "non-philosopher");
    EXPECT_EQ(t.CompPlural, "non-philosophers");
    EXPECT_EQ(t.LineUse, "NNYNNNNNN");
}

TEST_F(LexiconTest, APredicateFillsItsNegativePluralFromTheNegativeSingular) {
    Define("predicate", "dies");
    const LangTerm& t = lexicon.Terms[0];
    EXPECT_EQ(t.Plural, "die");
    EXPECT_EQ(t.NegSingular, "does not die");
    EXPECT_EQ(t.NegPlural, "do not die");
}

// `count` terms of one kind whose initials are all `initial`, so that they drain the pool.
std::vector<std::pair<std::string, std::string>> Many(const char* kind, char initial, int count) {
    std::vector<std::pair<std::string, std::string>> terms;
    for (int i = 0; i < count; ++i) {
        terms.emplace_back(kind, std::string{initial, static_cast<char>('a' + i / 26),
                                             static_cast<char>('a' + i % 26)});
    }
    return terms;
}

struct Addition {
    const char* name;
    std::vector<std::pair<std::string, std::string>> defined;  // kind and text, first
    const char* text;
    TermKind kind;
    Number number;
    bool negative;
    GivenForms given;
    TermRefusal refusal;
    const char* letter;
    const char* message;
};
void PrintTo(const Addition& c, std::ostream* os) { *os << c.name; }
class AddTermTest : public ::testing::TestWithParam<Addition> {};
TEST_P(AddTermTest, GivesTheLetterOrTheRefusalWithItsMessage) {
    const Addition& c = GetParam();
    Lexicon lexicon;
    for (const auto& [kind, text] : c.defined) {
        ASSERT_TRUE(DefineTerm(kind, text, lexicon).ok()) << text;
    }
    const Lexicon before = lexicon;
    const AddedTerm added = lexicon.AddTerm(c.text, c.kind, c.number, c.negative, 1, c.given);
    EXPECT_EQ(added.refusal, c.refusal);
    EXPECT_EQ(added.letter, c.letter);
    EXPECT_EQ(added.message, c.message);
    EXPECT_EQ(added.ok(), c.refusal == TermRefusal::None);
    if (!added.ok()) {
        EXPECT_TRUE(lexicon == before);  // a refusal leaves no trace
    }
    if (added.ok() && lexicon.TermCount() > before.TermCount()) {
        EXPECT_EQ(lexicon.Terms.back().Letter, c.letter[0]);
        EXPECT_EQ(lexicon.Terms.back().LineUse, "NYNNNNNNN");
    }
}
using R = TermRefusal;
const std::pair<std::string, std::string> kPhilosopher{"class noun", "philosopher"};
INSTANTIATE_TEST_SUITE_P(
    Lexicon, AddTermTest,
    ::testing::Values(
        Addition{"NewClassNoun",
                 {},
                 "philosopher",
                 TermKind::ClassNoun,
                 Number::Singular,
                 false,
                 {},
                 R::None,
                 "P",
                 ""},
        Addition{"NewNegativePredicate",
                 {},
                 "does not die",
                 TermKind::Predicate,
                 Number::Singular,
                 true,
                 {},
                 R::None,
                 "D",
                 ""},
        Addition{"InitialTakenGetsTheFirstFreeLetter",
                 {{"adjective", "wise"}},
                 "wiser",
                 TermKind::Adjective,
                 Number::Unknown,
                 false,
                 {},
                 R::None,
                 "X",
                 ""},
        Addition{"SpecificNounNeverX",
                 {},
                 "xerxes",
                 TermKind::SpecificNoun,
                 Number::Singular,
                 false,
                 {},
                 R::None,
                 "y",
                 ""},
        Addition{"KnownComplementaryForm",
                 {kPhilosopher},
                 "non-philosophers",
                 TermKind::ClassNoun,
                 Number::Plural,
                 false,
                 {},
                 R::None,
                 "~P",
                 ""},
        Addition{
            "Empty", {}, "", TermKind::Adjective, Number::Unknown, false, {}, R::NotATerm, "", ""},
        Addition{"CoreWord",
                 {},
                 "nobody",
                 TermKind::ClassNoun,
                 Number::Singular,
                 false,
                 {},
                 R::NotATerm,
                 "",
                 ""},
        Addition{"KnownFormOfAnotherNumber",
                 {kPhilosopher},
                 "philosophers",
                 TermKind::ClassNoun,
                 Number::Singular,
                 false,
                 {},
                 R::OtherUse,
                 "P",
                 ""},
        Addition{"KnownFormOfAnotherKind",
                 {kPhilosopher},
                 "philosophers",
                 TermKind::Adjective,
                 Number::Plural,
                 false,
                 {},
                 R::OtherUse,
                 "P",
                 ""},
        Addition{"OverlapsAnEarlierTerm",
                 {{"adjective", "wise"}},
                 "wise man",
                 TermKind::ClassNoun,
                 Number::Singular,
                 false,
                 {},
                 R::Overlap,
                 "",
                 "\"wise man\" conflicts with another term"},
        Addition{"PeriodInTheText",
                 {},
                 "st. paul",
                 TermKind::SpecificNoun,
                 Number::Singular,
                 false,
                 {},
                 R::RefusedForm,
                 "",
                 "Period not allowed within a term"},
        Addition{"PeriodInAGivenForm",
                 {},
                 "bold",
                 TermKind::Adjective,
                 Number::Unknown,
                 false,
                 {"", "non.bold", ""},
                 R::RefusedForm,
                 "",
                 "Period not allowed within a term"},
        Addition{"DerivedFormOfAnEarlierTerm",
                 {{"adjective", "greek"}},
                 "non-greeks",
                 TermKind::ClassNoun,
                 Number::Plural,
                 false,
                 {},
                 R::Conflict,
                 "",
                 "Term conflicts with an existing term."},
        Addition{"NoDerivablePlural",
                 {},
                 "bus",
                 TermKind::ClassNoun,
                 Number::Singular,
                 false,
                 {},
                 R::MissingForm,
                 "",
                 ""},
        // "hes" would make the class noun "he", a core word: the form must be given.
        Addition{"DerivedFormIsACoreWord",
                 {},
                 "hes",
                 TermKind::ClassNoun,
                 Number::Plural,
                 false,
                 {},
                 R::MissingForm,
                 "",
                 ""},
        Addition{"NoLetterAfterTheLastAdjective",
                 Many("adjective", 'w', kMaxOtherTerms),
                 "one more",
                 TermKind::Adjective,
                 Number::Singular,
                 false,
                 {},
                 R::NoLetter,
                 "",
                 "Maximum of 26 adjectives / class nouns / predicates exceeded."},
        Addition{"NoLetterAfterTheLastName",
                 Many("specific noun", 'n', kMaxSpecificNouns),
                 "last",
                 TermKind::SpecificNoun,
                 Number::Singular,
                 false,
                 {},
                 R::NoLetter,
                 "",
                 "Maximum of 25 specific nouns exceeded."}),
    [](const auto& row) { return std::string(row.param.name); });

// What a translation makes of the lexicon's answer.
struct Noted {
    const char* name;
    TermRefusal refusal;
    const char* message;
    bool checkDialogOpen;
    bool quiet;
    bool termProblem;
    bool shown;  // the message reaches the user
};
void PrintTo(const Noted& c, std::ostream* os) { *os << c.name; }
class NoteRefusalTest : public NaturalTest, public ::testing::WithParamInterface<Noted> {};
TEST_P(NoteRefusalTest, FailsTheTranslationAndTellsWhatIsToldThere) {
    const Noted& c = GetParam();
    NatState nat(s.prompts);
    nat.CheckDialogOpen = c.checkDialogOpen;
    nat.QuietMessages = c.quiet;
    NoteRefusal({"", c.refusal, c.message}, nat);
    EXPECT_EQ(nat.NatError, c.refusal != TermRefusal::None);
    EXPECT_EQ(nat.TermProblem, c.termProblem);
    EXPECT_EQ(messages, c.shown ? std::vector<std::string>{c.message} : std::vector<std::string>{});
}
INSTANTIATE_TEST_SUITE_P(
    Lexicon, NoteRefusalTest,
    ::testing::Values(
        Noted{"Added", R::None, "", false, false, false, false},
        Noted{"OtherUseSilently", R::OtherUse, "", false, false, false, false},
        Noted{"OverlapTold", R::Overlap, "overlap", false, false, false, true},
        Noted{"QuietRetryTellsNothing", R::Overlap, "overlap", false, true, false, false},
        Noted{"ConflictOutsideTheDialog", R::Conflict, kTermConflicts, false, false, true, false},
        Noted{"ConflictInTheDialog", R::Conflict, kTermConflicts, true, false, true, true},
        Noted{"MissingFormSilently", R::MissingForm, "", false, false, true, false},
        Noted{"NoLetterTold", R::NoLetter, "limit", false, false, false, true}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(LexiconTest, TermsTakeTheirInitialWhileItIsFree) {
    EXPECT_EQ(Define("predicate", "is mortal"), "I");
    EXPECT_EQ(Define("adjective", "mortal"), "M");
    EXPECT_EQ(Define("adjective", "modest"), "X");
    EXPECT_EQ(Define("adjective", "mild"), "Y");
    EXPECT_EQ(Define("specific noun", "socrates"), "s");
    EXPECT_EQ(Define("specific noun", "xerxes"), "y");  // x is the variable
    EXPECT_EQ(lexicon.UpperLetterPool.find('M'), std::string::npos);
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
    EXPECT_EQ(DefineTerm("adverb", "fast", session.lexicon).error,
              "Unknown kind of term \"adverb\" (expected adjective, specific noun, class noun or "
              "predicate)");
    EXPECT_EQ(DefineTerm("adjective", "Any", session.lexicon).error,
              "\"any\" is a core word and cannot be used as a term");
    EXPECT_TRUE(DefineTermFromLine("Term: class noun: Greek  Philosopher", session.lexicon).ok());
    EXPECT_TRUE(DefineTermFromLine("predicate: will die", session.lexicon).ok());
    EXPECT_EQ(DefineTerm("adjective", "bus", session.lexicon).letter, "B");
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
    ASSERT_TRUE(DefineTerm("class noun", "man", session.lexicon).ok());
    EXPECT_EQ(TermLineText(lexicon.Terms[0]), "man");
    lexicon.Terms[0].Plural = "menfolk";
    EXPECT_EQ(TermLineText(lexicon.Terms[0]), "man | menfolk | non-man | non-men");

    Session again(s.prompts, s.pump);
    ASSERT_TRUE(DefineTerm("class noun", "Man | Menfolk | non-man | non-men", again.lexicon).ok());
    ASSERT_EQ(again.lexicon.TermCount(), 1);
    EXPECT_EQ(again.lexicon.Terms[0].Plural, "menfolk");
    EXPECT_EQ(TermLineText(again.lexicon.Terms[0]), "man | menfolk | non-man | non-men");

    EXPECT_EQ(DefineTerm("adjective", "wise | non-wise | unwise", again.lexicon).error,
              "A adjective has 2 forms separated by \"|\"");
    EXPECT_EQ(DefineTerm("adjective", "brave | menfolk", again.lexicon).error,
              "Term conflicts with an existing term.");
    EXPECT_EQ(DefineTerm("adjective", "bold | non.bold", again.lexicon).error,
              "Period not allowed within a term");
    EXPECT_EQ(again.lexicon.TermCount(), 1);  // nothing of the refused terms stays
}

// A term is kept in lower case whatever case it was typed in, in any of the scripts whose
// case is mapped, so typing it again in another case names the same term.
struct ScriptTerm {
    const char* name;
    const char* kind;
    const char* typed;
    const char* stored;
    const char* typedAgain;
};
void PrintTo(const ScriptTerm& row, std::ostream* os) { *os << row.name; }

class TermsInEveryScript : public NaturalTest, public ::testing::WithParamInterface<ScriptTerm> {};

TEST_P(TermsInEveryScript, AreKeptInLowerCaseAndFoundInAnyCase) {
    const ScriptTerm& t = GetParam();
    ASSERT_EQ(Define(t.kind, t.typed), Define(t.kind, t.typedAgain));
    ASSERT_EQ(lexicon.TermCount(), 1);
    EXPECT_EQ(lexicon.Terms[0].Singular, t.stored);
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, TermsInEveryScript,
    ::testing::Values(ScriptTerm{"Latin", "adjective", "\u00c9pique", "\u00e9pique", "\u00c9PIQUE"},
                      ScriptTerm{"Greek", "specific noun", "\u0396\u03b5\u03cd\u03c2",
                                 "\u03b6\u03b5\u03cd\u03c2", "\u0396\u0395\u038e\u03a3"},
                      ScriptTerm{"Cyrillic", "adjective",
                                 "\u0417\u0415\u041b\u0401\u041d\u042b\u0419",
                                 "\u0437\u0435\u043b\u0451\u043d\u044b\u0439",
                                 "\u0417\u0435\u043b\u0451\u043d\u044b\u0439"}),
    [](const auto& row) { return std::string(row.param.name); });

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
        Validation{"PunctuationAlone",
                   {{K::SpecificNoun, {"!!!"}}},
                   "\"!!!\" has no letter or digit and cannot be used as a term"},
        Validation{"DigitsAndOtherScriptsAreNames",
                   {{K::SpecificNoun, {"r2"}}, {K::SpecificNoun, {"\xCE\xB1"}}},
                   ""},
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
