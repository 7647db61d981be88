// The natural-language term lexicon: the adjectives, specific nouns, class nouns and
// predicates that English sentences may use, each with its inflected forms and the letter
// that stands for it in formulas; the English inflection rules; the core words that can never
// be terms; and the checks that edited term texts must pass.
//
// Term indices are 0-based: Terms[0] is the first term. Term texts are kept in lower case
// with single spaces and shown in upper case, so the case and spacing rules of the text
// module come with the lexicon.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Lines.h"
#include "natural/NatState.h"
#include "text/Case.h"
#include "text/Spacing.h"

namespace deducto {

class Session;
class CheckTermsModel;

inline constexpr const char* kUpperLetterPoolStart = "XYZWTUVPQRSABCDEFGHIJKLMNO";
inline constexpr const char* kLowerLetterPoolStart = "yzwtuvpqrsabcdefghijklmno";
inline constexpr int kMaxSpecificNouns = 25;
inline constexpr int kMaxOtherTerms = 26;  // adjectives, class nouns and predicates together

enum class TermKind : char {
    Adjective = 'A',
    ClassNoun = 'C',
    Predicate = 'P',
    SpecificNoun = 'S',
};

// Grammatical number. Unknown also stands for "the same text in both numbers" (sheep).
enum class Number { Unknown, Singular, Plural };

[[nodiscard]] inline char KindLetter(TermKind kind) { return static_cast<char>(kind); }
[[nodiscard]] std::optional<TermKind> KindFromLetter(char letter);
// "adjective", "specific noun", "class noun", "predicate": how files and messages name a kind.
[[nodiscard]] const char* KindName(TermKind kind);
// The kind whose name `name` is, exactly as KindName spells it; nullopt for any other text.
[[nodiscard]] std::optional<TermKind> KindFromName(std::string_view name);
// "adjective, specific noun, class noun or predicate", for messages that list the kinds.
[[nodiscard]] std::string KindNameList();

// One term. The six forms are lower-case; a form that does not apply to the kind is empty.
struct LangTerm {
    std::string Singular;      // adjective, name, class noun singular, predicate "is mortal"
    std::string Plural;        // class noun plural, predicate "are mortal"
    std::string NegSingular;   // predicate "is not mortal"
    std::string NegPlural;     // predicate "are not mortal"
    std::string CompSingular;  // adjective "non-wise", class noun "non-philosopher"
    std::string CompPlural;    // class noun "non-philosophers"
    TermKind Kind = TermKind::Adjective;
    char Letter = 0;  // upper case; lower case for specific nouns; 0 while it has none
    std::string LineUse = kNoLines;  // [k] is 'Y' when line k uses the term

    // The six forms in the order the sentence scanner tries them.
    [[nodiscard]] std::array<const std::string*, 6> ScanOrder() const {
        return {&Singular, &Plural, &NegSingular, &NegPlural, &CompSingular, &CompPlural};
    }
    [[nodiscard]] bool HasForm(std::string_view text) const;

    bool operator==(const LangTerm&) const = default;
};

// Forms that the caller of AddTerm already knows (the Check Language Terms dialog).
struct GivenForms {
    std::string singular;
    std::string compSingular;
    std::string compPlural;
};

inline constexpr const char* kTermConflicts = "Term conflicts with an existing term.";

// Why the lexicon did not take a text as asked.
enum class TermRefusal {
    None,         // added, or already a form of a term of the kind and number asked for
    NotATerm,     // empty, or a core word; nothing is said
    OtherUse,     // already a form of a term, but of another kind or number; nothing is said
    Overlap,      // a form of a term starts with it as a whole word, or it with one
    RefusedForm,  // it, or a given form, is a text the edit rules refuse
    Conflict,     // a form it gives or derives is already a form of an earlier term
    MissingForm,  // a form it needs cannot be derived; nothing is said
    NoLetter,     // every letter for its kind is taken
};

// What AddTerm did. The lexicon shows nothing itself: `message` is what it has to say.
struct AddedTerm {
    std::string letter;  // "M" or "~M"; for OtherUse the letter text of the term found
    TermRefusal refusal = TermRefusal::None;
    std::string message;  // the refusal in the user's words; empty when nothing is said
    [[nodiscard]] bool ok() const { return refusal == TermRefusal::None; }
};

class Lexicon {
public:
    std::vector<LangTerm> Terms;
    std::string UpperLetterPool = kUpperLetterPoolStart;  // free letters; a taken one is ' '
    std::string LowerLetterPool = kLowerLetterPoolStart;
    int TermsShownCount = 0;  // TermCount() when the terms panel was last drawn

    [[nodiscard]] int TermCount() const { return static_cast<int>(Terms.size()); }
    // Empties the lexicon and gives every letter back.
    void Clear();

    // The first term that has `text` as one of its six forms.
    [[nodiscard]] std::optional<int> FindTerm(std::string_view text) const;
    // The first term whose letter is `letter`.
    [[nodiscard]] std::optional<int> FindLetter(char letter) const;
    // Singular when `text` is only a singular form of term i, Plural when only a plural one.
    [[nodiscard]] Number FormNumber(std::string_view text, int i) const;
    // The formula letter for a form of term i: "M", or "~M" for a complementary form.
    [[nodiscard]] std::string LetterText(int i, std::string_view form) const;

    // Fills the derivable empty forms of term i; true when a form it needs is still empty.
    bool FillTermForms(int i);
    // True when a form of term i is also a form of an earlier term.
    [[nodiscard]] bool TermConflicts(int i) const;

    // Records `text` as a term, or finds it, for a sentence on `line` (none outside one).
    // `number` and `negative` say which form `text` is. A refused text leaves the lexicon
    // unchanged.
    AddedTerm AddTerm(std::string_view text, TermKind kind, Number number, bool negative,
                      std::optional<int> line, const GivenForms& given = {});

    // Takes a free letter for a new term: its own initial when free, else the first free
    // letter of the pool; none when the pool is empty (TermLimitMessage says so).
    std::optional<char> AssignTermLetter(TermKind kind, std::string_view text);
    // Puts a letter back at the end of its pool.
    void ReturnLetter(TermKind kind, char letter);

    bool operator==(const Lexicon&) const = default;
};

// "Maximum of 25 specific nouns exceeded." and its like: no letter is left for `kind`.
[[nodiscard]] const char* TermLimitMessage(TermKind kind);

// What a refusal means to the translation that asked: it fails, for want of a usable term
// when the user may still give the forms (Conflict, MissingForm), and the lexicon's message
// is shown unless the translation is quiet. A conflict is told only in the Check Language
// Terms dialog; elsewhere the Language Terms window then asks for the term instead.
void NoteRefusal(const AddedTerm& added, NatState& nat);

// True when a form of the term is one the lexicon's rules refuse (a core word, a period...).
[[nodiscard]] bool HasRefusedForm(const LangTerm& term);

// True when a equals b or one is the other followed by a space and more words.
[[nodiscard]] bool TermsOverlap(std::string_view a, std::string_view b);

// The 74 words and phrases that can never be terms.
[[nodiscard]] const std::vector<std::string_view>& CoreWords();
[[nodiscard]] bool IsCoreWord(std::string_view text);

// Inflections. Each returns "" when it cannot derive the form.
[[nodiscard]] std::string NounPlural(std::string_view singular);
[[nodiscard]] std::string NounSingular(std::string_view plural);
[[nodiscard]] std::string PredicatePlural(std::string_view singular);
[[nodiscard]] std::string PredicateSingular(std::string_view plural);
[[nodiscard]] std::string NegatePredicate(std::string_view affirmative);
[[nodiscard]] std::string AffirmPredicate(std::string_view negative);
[[nodiscard]] std::string ComplementOf(std::string_view text);
// The length of a leading modal verb and its space ("will " is 5); nullopt when none.
[[nodiscard]] std::optional<size_t> ModalPrefix(std::string_view text);

// The forms of one term of an edited table, in table order: adjective affirmative,
// complement; specific noun name; class noun singular, plural, complementary singular,
// complementary plural; predicate affirmative singular, negative singular, affirmative
// plural, negative plural.
struct TermTexts {
    TermKind Kind = TermKind::Adjective;
    std::vector<std::string> forms;
};
[[nodiscard]] int FormCount(TermKind kind);

// Why a lower-case text on its own can never be a term form (a core word, "," or ";", a
// period anywhere in it, no letter or digit at all); nullopt when it can be one.
[[nodiscard]] std::optional<std::string> TermTextProblem(std::string_view text);

// Checks an edited table of terms. Each text is normalised in place as it is examined; the
// first rule that fails gives its message and stops the check.
[[nodiscard]] std::optional<std::string> ValidateTermTexts(std::vector<TermTexts>& table);

// The questions the translator asks about terms (the windows run modally inside them).
// Opens the Language Terms window asking for the given undefined words (each once, in the
// order given); false at once when there are none, else whether the user accepted.
bool RequestTermDefinitions(const std::vector<std::string>& undefinedWords, Session& session);
// The request that window shows for those words.
[[nodiscard]] std::string DefinitionRequest(const std::vector<std::string>& undefinedWords);
// Fills every term's derivable forms; when some term still lacks a form, opens the Language
// Terms window and returns true unless the user accepted it.
bool RequestMissingForms(Session& session);
// Opens the Check Language Terms dialog; sets nat.NatError unless the user accepted.
bool ConfirmTermWithUser(CheckTermsModel& dialog, NatState& nat);

}  // namespace deducto
