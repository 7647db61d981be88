// The working state of one sentence translation and the steps that use it: the scanner and
// the word list, the rewriting of connectives, the sentence structures, the clauses and the
// descriptors. One object lives for one call of TranslateSentence; tests drive its steps
// one at a time.
//
// Word positions are 1-based as the translation rules count them ("word 1" is the first
// word, 0 means "none"): every member function and slot below that takes or gives a word
// position uses them, and Word(k) reads position 0 and every position past the last word as
// "". The storage behind them (words_, negFlag_, wordEnd_) is 0-based: position k is index
// k - 1, converted only in the accessors and the list searches. The list holds at most
// kMaxWords words. ScanPos, a position in the scanned text, is 1-based too, as the error
// positions it becomes; it counts bytes, as every reader's error position does (the line
// turns it into characters), and the scanned text has the sentence's byte positions: lower
// case keeps every character's length.
#pragma once

#include <array>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "natural/NatState.h"
#include "natural/modLangTerms.h"
#include "natural/modNatural.h"

namespace deducto {

class Session;

inline constexpr int kMaxWords = 60;
inline constexpr int kMaxAttempts = 20;  // translation attempts for one sentence
inline constexpr const char* kSentenceTooLong =
    "The sentence is too long: at most 60 words can be translated.";
inline constexpr const char* kTooManyAttempts =
    "The sentence could not be translated after 20 attempts.";

// The 24 sentence structures.
enum class SentenceType {
    None,
    typeC,
    typeCandC,
    typeCandCandC,
    typeCorC,
    typeCorCorC,
    typeCiffC,
    typeCimpC,
    typeCandCimpC,
    typeCorCimpC,
    typeCimpCorC,
    typeCandCimpCorC,
    typeCorCimpCorC,
    typeSCandSPC,
    typeSCorSPC,
    typeISCandSPC,
    typeSCimpSPC,
    typeISCimpSPC,
    typePCimpPPC,
    typeSCimpSPCorSPC,
    typeISCimpSPCorSPC,
    typePCimpPPCorPPC,
    typeISCiffSPC,
    typeSCiffSPC,
    typePCiffPPC,
};
[[nodiscard]] const char* SentenceTypeName(SentenceType type);

// The 14 clause kinds.
enum class ClauseKind {
    None,
    clauseSS,
    clausePP,
    clauseIS,
    clauseUS,
    clauseES,
    clauseEP,
    clauseESR,
    clauseEPR,
    clauseEIR,
    clauseNES,
    clauseNEP,
    clauseNESR,
    clauseNEPR,
    clauseNEIR,
};
[[nodiscard]] const char* ClauseKindName(ClauseKind kind);

// How a word of the sentence stands to the lexicon.
enum class WordKind { Punctuation, Core, Undefined, Term };
struct WordLookup {
    WordKind kind = WordKind::Undefined;
    int term = -1;  // the term's index when kind is Term
};

// The word that opens a subject.
enum class Quantifier { None, Every, All, Some, Any, No, Article };

// What AnalyseClause leaves for ClauseFormula and SubjectHead.
struct ClauseSlots {
    int subjectStart = 0;  // first subject word, quantifier word included
    int subjectEnd = 0;
    int predicateStart = 0;
    int predicateEnd = 0;
    int relativeWord = 0;  // "who" or "that" opening a relative clause; 0 when none
    int relativeEnd = 0;
    int copula = 0;
    bool negated = false;  // the clause was preceded by "it is not true that"
    Number number = Number::Unknown;
};

struct WordRange {
    int first = 0;
    int last = 0;
};

// The text between "exists x (" (or "exists x ~(", then negated) and the last ")" of a
// clause formula.
struct FormulaBody {
    std::string text;
    bool negated = false;
};

// A predicate formula in x and whether the predicate is negative.
struct PredicateFormula {
    std::string formula;
    bool negative = false;
};

class NaturalTranslator {
public:
    NaturalTranslator(Session& session, int line, TranslationFlags flags = {});

    // The whole translation with its retry loop.
    [[nodiscard]] Translation Translate(std::string_view sentence);

    // --- The word list (modNatural_scan.cpp) ---
    // Sets the text to scan (normalised, trimmed).
    void SetSentence(std::string_view text);
    // Cuts the sentence into words, then rewrites them; sets nat.NatError on failure.
    void ScanSentence();
    void RewriteConnectives();
    [[nodiscard]] int WordCount() const { return static_cast<int>(words_.size()); }
    [[nodiscard]] const std::string& Word(int k) const;
    [[nodiscard]] bool NegFlag(int k) const;
    // Words first..last joined by single spaces.
    [[nodiscard]] std::string WordsText(int first, int last) const;
    void DeleteWords(int at, int n);
    // False (with nat.NatError set and the limit message shown) when the list is full.
    bool InsertWord(std::string word, int at);
    [[nodiscard]] int FindWord(std::string_view word, int from, int to) const;
    [[nodiscard]] int FindWhoThat(int from, int to) const;
    [[nodiscard]] int LastWhoThat(int from, int to) const;
    [[nodiscard]] bool MatchPhrase(std::string_view phrase, int at) const;
    [[nodiscard]] bool IsArticle(int k) const;
    [[nodiscard]] bool IsSomePronoun(int k) const;
    [[nodiscard]] bool IsPersonalPronoun(int k) const;
    // The last "is" or "are" in from..to ("" when none); its position goes to copulaPos.
    std::string LastCopula(int from, int to);

    // --- Words and the lexicon (modNatural_words.cpp) ---
    [[nodiscard]] std::optional<int> FindWordTerm(int k) const;
    [[nodiscard]] WordLookup WordTermIndex(int k) const;
    // The letter text of word k ("M" or "~M"); "Impossible error" when it has none.
    std::string WordTermLetter(int k);
    [[nodiscard]] bool AnyUndefinedWord(int first, int last) const;
    // Enters word k as a term: its letter text, "" when refused (the refusal noted in nat).
    std::string AddWordTerm(int k, TermKind kind, Number number, bool negative);
    // Asks the user to define the undefined words among 1..n; true when accepted.
    bool RequestTermDefinitions(int n);

    // --- Sentence structures (modNatural_structures.cpp) ---
    SentenceType ClassifySentence(int n);
    std::string TranslateByType(SentenceType type);
    // The head word of clause A's subject, in upper case.
    [[nodiscard]] std::string SubjectHead() const;

    // --- Clauses (modNatural_clauses.cpp) ---
    ClauseKind AnalyseClause(int from, int to);
    std::string ClauseFormula(ClauseKind kind);
    // AnalyseClause and ClauseFormula of one range; "" with nat.NatError on failure.
    std::string TranslateClause(WordRange range);

    // --- Descriptors, predicates, relative clauses (modNatural_descriptors.cpp) ---
    std::optional<PredicateFormula> DescribePredicate(int from, int to, Number number);
    std::string AdjectivalDescriptor(int from, int to);
    std::string ClassDescriptor(int from, int to);
    std::string PluralClassDescriptor(int from, int to);
    void InferDescriptorTerms(int from, int to);
    // The last word of the relative clause opened at r; `number` must agree with it.
    std::optional<int> FindRelativeEnd(int r, int to, Number& number);
    void ReportAmbiguous(int from, int to);
    // The descriptor of a subject: its head word a class noun in `number`, the words
    // before it adjectives.
    std::string SubjectDescriptor(int from, int to, Number number);

    NatState nat;
    std::string SentenceText;
    int ScanPos = 1;  // 1-based position in the scanned text
    std::vector<std::string> Notes;
    SentenceType sentenceType = SentenceType::None;
    WordRange A, B, C, D;         // clause ranges of the structure
    ClauseSlots clause;           // the clause analysed last
    ClauseSlots clauseA;          // clause A's slots, for SubjectHead
    int copulaPos = 0;            // set by LastCopula
    bool openForm = false;        // ClauseFormula left "forall x (D implies (P" for an iff to close
    bool userCancelled = false;   // the user cancelled a Check Language Terms question
    std::string declinedRequest;  // the last request to define terms that the user declined

private:
    Session& session_;
    Lexicon& lexicon_;
    int line_;
    TranslationFlags flags_;
    std::vector<std::string> words_;         // word k at [k - 1]; at most kMaxWords
    std::array<bool, kMaxWords> negFlag_{};  // NegFlag(k) at [k - 1]
    std::array<int, kMaxWords> wordEnd_{};   // ScanPos just after word k, at [k - 1]
    bool overflowShown_ = false;

    // Word k (1..WordCount()) for writing.
    std::string& WordAt(int k);
    // Inserts `words` in order from position `at`; false when the list filled up.
    bool InsertWords(std::initializer_list<const char*> words, int at);

    // The steps of RewriteConnectives at position I, in the order they run. Those that give
    // a bool give false when the pass must end (nat.NatError is then set); those taking I by
    // reference move it past the words they wrote.
    [[nodiscard]] bool FirstCommaAfter(int i) const;  // the first comma lies after i, or none
    void DropLogicFreeWords(int I);
    bool RewriteJoiners(int I);
    bool ExpandContraction(int I);
    bool CompleteLeadingIf(int I);
    bool RewriteOnlyIf(int& I);
    bool RewriteTrailingIf(int& I);
    bool RewriteNotEvery(int& I);
    // After the pass: the article of "if a man ..., then he ..." and the sentence negations.
    void ReadIndefiniteAntecedent();
    void ApplySentenceNegations();

    // The levels of a descriptor: the whole descriptor, then one level per group opened by
    // "both" or "either". Within one level "and" and "or" may not be mixed.
    struct Group {
        bool isGroup = false;  // false for the outermost level
        bool both = false;     // opened by "both" (else "either")
        bool seenOwn = false;  // its own connective ("and" for both) has been read
        std::string lastConnective;
    };
    std::vector<Group> groups_;
    enum class DescriptorKind { Adjectival, Class, PluralClass };
    std::string Descriptor(int from, int to, DescriptorKind kind);
    std::string PhraseFormula(int from, int to, DescriptorKind kind);
    // Word k is a form of an adjective whose singular has several words ("well known").
    [[nodiscard]] bool IsMultiWordAdjective(int k) const;
    // The head noun of lowest..last: the last word, unless multi-word adjectives follow it
    // (the walk stops at lowest).
    [[nodiscard]] int HeadWord(int lowest, int last) const;

    // InferDescriptorTerms in steps: the content words, what the known ones say, then
    // entering the terms or asking the user.
    struct ContentWord {
        int k;
        bool phraseEnd;  // followed by "and"/"or", or the last word
    };
    enum class DescriptorShape { None, Adjectival, Class };
    enum class KindProposal { None, Adjective, ClassNoun, Undecided };
    struct DescriptorGuess {
        DescriptorShape shape = DescriptorShape::None;
        KindProposal proposal = KindProposal::None;
    };
    std::vector<ContentWord> DescriptorContent(int from, int to, bool& severalParts) const;
    std::optional<DescriptorGuess> GuessDescriptorShape(const std::vector<ContentWord>& content);
    bool EnterDescriptorWord(int k, TermKind kind);  // false when entering failed
    void EnterPluralClassTerms(const std::vector<ContentWord>& content, bool classNounKnown);
    void AskDescriptorKinds(const std::vector<ContentWord>& content, KindProposal proposal);
    void OpenGroups(int& p, int to, std::string& out);
    bool Connective(const std::string& word, std::string& out);

    struct SubjectEnd {
        int end = 0;  // last word of the subject
        Number number = Number::Unknown;
    };
    // The first predicate-term word of a clause and the number it gives.
    struct PredicateWord {
        int word = 0;  // 0 when there is none
        Number number = Number::Unknown;
    };

    // AnalyseClause by the clause's opening. Each fills `clause` and gives the kind, or
    // None with nat.NatError set (the "there" shapes also give None without an error for a
    // clause of no known shape).
    ClauseKind FailClause();
    ClauseKind FailClauseForTerms();  // a failure that new terms may mend
    // The words of `words` (a multi-word item such as "no one" is one entry) from `at`.
    [[nodiscard]] bool MatchWords(std::initializer_list<std::string_view> words, int at) const;
    void CutSubjectAtRelative(int r, int end);    // subject ends before r, relative r..end
    void RelativeThenPredicate(int r, int end);   // relative r..end, predicate after it
    ClauseKind NonEmptySubject(ClauseKind kind);  // kind, or a failure for an empty subject
    ClauseKind SubjectPredicateKind(int to);      // clauseSS/PP by number, or a failure
    ClauseKind PronounSubjectClause(int from, int to, ClauseKind kind);
    ClauseKind AnalyseThereClause(int p, int to);
    [[nodiscard]] int ThereIsNothingLength(int p) const;
    ClauseKind ThereIsNoPhrase(int p, int& q) const;
    ClauseKind AnalyseNonExistence(ClauseKind kind, int q, int to);
    ClauseKind AnalyseThereExists(int p, int to);
    ClauseKind AnalyseSubjectClause(int from, int to);
    [[nodiscard]] PredicateWord FindPredicateWord(int from, int to) const;
    std::optional<ClauseKind> SingularExistenceAtEnd(int from, int to);
    std::optional<ClauseKind> PluralExistenceAtEnd(int from, int to);
    ClauseKind SubjectBeforePredicateWord(int from, int to, const PredicateWord& predicate);
    ClauseKind QuantifiedSubjectWithRelative(int from, int r, int to);
    ClauseKind SubjectAndVerb(int from, int to);
    // Reads a subject from `from`: an optional all/every/some, adjectives, then a noun.
    SubjectEnd SubjectRule(int from, int to);

    // ClauseFormula by kind; each gives nullopt with nat.NatError set on failure.
    std::string SlotsDescriptor(const ClauseSlots& slots);
    std::optional<std::string> RelativeConjunct(const ClauseSlots& slots);  // " and " R or ""
    std::optional<PredicateFormula> SlotsPredicate(const ClauseSlots& slots);
    std::optional<std::string> SubjectClauseFormula(const ClauseSlots& slots, bool plural);
    std::optional<std::string> NamedSubjectFormula(const ClauseSlots& slots);
    std::optional<std::string> QuantifiedSubjectFormula(const ClauseSlots& slots, bool plural,
                                                        Quantifier q, bool universal, bool openIff);
    std::optional<std::string> EveryoneFormula(const ClauseSlots& slots);
    std::optional<std::string> ExistenceFormula(const ClauseSlots& slots, bool negative);
    std::optional<std::string> NobodyFormula(const ClauseSlots& slots);

    // ClassifySentence by the sentence's opening; each sets the clause ranges it finds and
    // fails silently on a structure it does not know.
    SentenceType FailStructure();
    SentenceType ClassifyStatement(int n);
    SentenceType ClassifyConditional(int n);
    SentenceType ClassifyConsequent(int t, int n);      // t: the word after "then"
    SentenceType ClassifyTwoAntecedents(int p, int n);  // p: the comma after clause A

    // TranslateByType by family of structures; each gives "" with nat.NatError on failure.
    std::string JoinClauses(SentenceType type);
    std::string TranslateNameAndPronoun(SentenceType type);
    std::string TranslateSomeoneAndPronoun(SentenceType type);
    std::string TranslatePronounConsequent(SentenceType type);
    std::string TranslatePronounIff(SentenceType type);
    // F(A), its slots kept in clauseA.
    std::string FirstClauseFormula();
    // The body of F(A); without the existential form an "Impossible error" and a failure.
    std::optional<FormulaBody> BodyOfFirstClause(const std::string& formula);
    // PronounPredicate with x replaced by the constant c of clause A's named subject.
    std::string NamedPronounPredicate(WordRange range, Number number, char c);

    bool WordIs(int k, std::initializer_list<std::string_view> options) const;
    [[nodiscard]] Quantifier QuantifierOf(int k) const;
    std::string PronounPredicate(WordRange clause, Number number);
    std::string ConstantOfFirstWord();
    void AddRemark(int pronounWord, const std::string& subject);
    void FailSilently() { nat.NatError = true; }
};

// f with every "x" that directly follows an upper-case letter replaced by `constant`.
[[nodiscard]] std::string SubstituteConstant(std::string_view formula, char constant);

// Whether a word looks like a plural noun or a verb ending in "s".
[[nodiscard]] bool LooksPlural(std::string_view word);

}  // namespace deducto
