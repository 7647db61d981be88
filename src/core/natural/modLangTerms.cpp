// The lexicon's own operations: finding terms and forms, adding a term with its derived
// forms, and handing out letters.
#include "natural/modLangTerms.h"

#include <algorithm>
#include <iterator>

namespace deducto {

namespace {

// The letter a term would like: its initial, if that is a free letter of the pool.
std::optional<char> TakeLetter(std::string& pool, char wanted) {
    const bool letter = (wanted >= 'A' && wanted <= 'Z') || (wanted >= 'a' && wanted <= 'z');
    if (!letter || pool.find(wanted) == std::string::npos) {
        const size_t free = pool.find_first_not_of(' ');
        if (free == std::string::npos) return std::nullopt;
        wanted = pool[free];
    }
    std::replace(pool.begin(), pool.end(), wanted, ' ');
    return wanted;
}

}  // namespace

std::optional<TermKind> KindFromLetter(char letter) {
    switch (letter) {
        case 'A':
            return TermKind::Adjective;
        case 'C':
            return TermKind::ClassNoun;
        case 'P':
            return TermKind::Predicate;
        case 'S':
            return TermKind::SpecificNoun;
        default:
            return std::nullopt;
    }
}

namespace {

struct NamedKind {
    TermKind kind;
    const char* name;
};
// The one spelling of each kind's name, in the order messages list them.
constexpr NamedKind kKindNames[] = {{TermKind::Adjective, "adjective"},
                                    {TermKind::SpecificNoun, "specific noun"},
                                    {TermKind::ClassNoun, "class noun"},
                                    {TermKind::Predicate, "predicate"}};

}  // namespace

const char* KindName(TermKind kind) {
    for (const NamedKind& named : kKindNames) {
        if (named.kind == kind) return named.name;
    }
    return "";
}

std::optional<TermKind> KindFromName(std::string_view name) {
    for (const NamedKind& named : kKindNames) {
        if (name == named.name) return named.kind;
    }
    return std::nullopt;
}

std::string KindNameList() {
    constexpr std::size_t kCount = std::size(kKindNames);
    std::string list;
    for (std::size_t i = 0; i < kCount; ++i) {
        if (i > 0) list += i + 1 == kCount ? " or " : ", ";
        list += kKindNames[i].name;
    }
    return list;
}

bool LangTerm::HasForm(std::string_view text) const {
    for (const std::string* form : ScanOrder()) {
        if (*form == text) return true;
    }
    return false;
}

bool TermsOverlap(std::string_view a, std::string_view b) {
    if (a == b) return true;
    const auto startsWithWords = [](std::string_view longer, std::string_view shorter) {
        return longer.size() > shorter.size() && longer.substr(0, shorter.size()) == shorter &&
               longer[shorter.size()] == ' ';
    };
    return startsWithWords(b, a) || startsWithWords(a, b);
}

void Lexicon::Clear() {
    Terms.clear();
    UpperLetterPool = kUpperLetterPoolStart;
    LowerLetterPool = kLowerLetterPoolStart;
}

std::optional<int> Lexicon::FindTerm(std::string_view text) const {
    if (text.empty()) return std::nullopt;
    for (int i = 0; i < TermCount(); ++i) {
        if (Terms[i].HasForm(text)) return i;
    }
    return std::nullopt;
}

std::optional<int> Lexicon::FindLetter(char letter) const {
    for (int i = 0; i < TermCount(); ++i) {
        if (Terms[i].Letter == letter) return i;
    }
    return std::nullopt;
}

Number Lexicon::FormNumber(std::string_view text, int i) const {
    const LangTerm& t = Terms[i];
    const bool singular = t.Singular == text || t.NegSingular == text || t.CompSingular == text;
    const bool plural = t.Plural == text || t.NegPlural == text || t.CompPlural == text;
    if (singular && !plural) return Number::Singular;
    if (plural && !singular) return Number::Plural;
    return Number::Unknown;
}

std::string Lexicon::LetterText(int i, std::string_view form) const {
    const LangTerm& t = Terms[i];
    if (t.Letter == 0) return {};
    const bool complement = form == t.CompSingular || form == t.CompPlural;
    return (complement ? "~" : "") + std::string(1, t.Letter);
}

bool Lexicon::FillTermForms(int i) {
    LangTerm& t = Terms[i];
    // Sets `form` from `derive(source)` when the form is empty and the source is not.
    const auto fill = [](std::string& form, const std::string& source, auto derive) {
        if (form.empty() && !source.empty()) form = derive(source);
    };
    const auto complement = [](const std::string& s) { return ComplementOf(s); };
    switch (t.Kind) {
        case TermKind::Adjective:
            fill(t.CompSingular, t.Singular, complement);
            fill(t.Singular, t.CompSingular, complement);
            return t.Singular.empty() || t.CompSingular.empty();
        case TermKind::ClassNoun: {
            const auto plural = [](const std::string& s) { return NounPlural(s); };
            const auto singular = [](const std::string& s) { return NounSingular(s); };
            if (!t.Singular.empty()) {
                fill(t.Plural, t.Singular, plural);
                fill(t.CompSingular, t.Singular, complement);
                fill(t.CompPlural, t.Plural, complement);
            }
            if (!t.Plural.empty()) {
                fill(t.Singular, t.Plural, singular);
                fill(t.CompSingular, t.Singular, complement);
                fill(t.CompPlural, t.Plural, complement);
            }
            if (!t.CompSingular.empty()) {
                fill(t.Singular, t.CompSingular, complement);
                fill(t.Plural, t.Singular, plural);
                fill(t.CompPlural, t.Plural, complement);
            }
            if (!t.CompPlural.empty()) {
                fill(t.Plural, t.CompPlural, complement);
                fill(t.Singular, t.Plural, singular);
                fill(t.CompSingular, t.Singular, complement);
            }
            return t.Singular.empty() || t.Plural.empty() || t.CompSingular.empty() ||
                   t.CompPlural.empty();
        }
        case TermKind::Predicate: {
            const auto plural = [](const std::string& s) { return PredicatePlural(s); };
            const auto singular = [](const std::string& s) { return PredicateSingular(s); };
            const auto negate = [](const std::string& s) { return NegatePredicate(s); };
            const auto affirm = [](const std::string& s) { return AffirmPredicate(s); };
            if (!t.Singular.empty()) {
                fill(t.Plural, t.Singular, plural);
                fill(t.NegSingular, t.Singular, negate);
                fill(t.NegPlural, t.Plural, negate);
            }
            if (!t.Plural.empty()) {
                fill(t.Singular, t.Plural, singular);
                fill(t.NegSingular, t.Singular, negate);
                fill(t.NegPlural, t.Plural, negate);
            }
            if (!t.NegSingular.empty()) {
                fill(t.Singular, t.NegSingular, affirm);
                fill(t.Plural, t.Singular, plural);
                fill(t.NegPlural, t.NegSingular, plural);
            }
            if (!t.NegPlural.empty()) {
                fill(t.Plural, t.NegPlural, affirm);
                fill(t.Singular, t.Plural, singular);
                fill(t.NegSingular, t.NegPlural, singular);
            }
            return t.Singular.empty() || t.Plural.empty() || t.NegSingular.empty() ||
                   t.NegPlural.empty();
        }
        case TermKind::SpecificNoun:
            return false;
    }
    return false;
}

bool Lexicon::TermConflicts(int i) const {
    const LangTerm& t = Terms[i];
    for (const std::string* form :
         {&t.Singular, &t.CompSingular, &t.Plural, &t.CompPlural, &t.NegSingular, &t.NegPlural}) {
        if (!form->empty() && FindTerm(*form) != i) return true;
    }
    return false;
}

namespace {

AddedTerm Refused(TermRefusal refusal, std::string message = {}) {
    return {{}, refusal, std::move(message)};
}

// Whether `text`, a form of `term`, is the form asked for: the number, and the negative
// form or one of the affirmative and complementary ones.
bool FormSuits(const LangTerm& term, std::string_view text, bool plural, bool negative) {
    if (plural) {
        return negative ? text == term.NegPlural : text == term.Plural || text == term.CompPlural;
    }
    return negative ? text == term.NegSingular : text == term.Singular || text == term.CompSingular;
}

// The first term, in lexicon order, that has `text` as a form or overlaps it settles it.
std::optional<AddedTerm> SettledByKnownTerm(const Lexicon& lexicon, const std::string& text,
                                            TermKind kind, bool plural, bool negative) {
    for (int i = 0; i < lexicon.TermCount(); ++i) {
        const LangTerm& term = lexicon.Terms[i];
        if (term.HasForm(text)) {
            const bool suits = term.Kind == kind && FormSuits(term, text, plural, negative);
            return AddedTerm{
                lexicon.LetterText(i, text), suits ? TermRefusal::None : TermRefusal::OtherUse, {}};
        }
        for (const std::string* form : term.ScanOrder()) {
            if (!form->empty() && TermsOverlap(text, *form)) {
                return Refused(TermRefusal::Overlap,
                               "\"" + text + "\" conflicts with another term");
            }
        }
    }
    return std::nullopt;
}

// A form the edit rules would refuse ("." read as a word) would make every later edit of the
// lexicon fail, so it is never entered, whoever asks.
std::optional<std::string> FormProblem(std::string_view text, const GivenForms& given) {
    for (const std::string_view form :
         {text, std::string_view(given.singular), std::string_view(given.compSingular),
          std::string_view(given.compPlural)}) {
        if (form.empty()) continue;
        if (auto problem = TermTextProblem(form)) return problem;
    }
    return std::nullopt;
}

// A new term with `text` in the slot of its number and polarity, the forms the caller gave,
// and the class noun's and adjective's other forms derived; the rest are filled later.
LangTerm NewTerm(const std::string& text, TermKind kind, bool plural, bool negative,
                 const GivenForms& given) {
    LangTerm term;
    term.Kind = kind;
    (plural ? (negative ? term.NegPlural : term.Plural)
            : (negative ? term.NegSingular : term.Singular)) = text;
    if (kind == TermKind::Adjective) {
        term.CompSingular =
            given.compSingular.empty() ? ComplementOf(term.Singular) : given.compSingular;
    } else if (kind == TermKind::ClassNoun) {
        if (term.Plural.empty()) {
            term.Plural = NounPlural(term.Singular);
        } else if (term.Singular.empty()) {
            term.Singular = given.singular.empty() ? NounSingular(term.Plural) : given.singular;
        }
        term.CompSingular =
            given.compSingular.empty() ? ComplementOf(term.Singular) : given.compSingular;
        term.CompPlural = given.compPlural.empty() ? ComplementOf(term.Plural) : given.compPlural;
    }
    return term;
}

}  // namespace

AddedTerm Lexicon::AddTerm(std::string_view text, TermKind kind, Number number, bool negative,
                           std::optional<int> line, const GivenForms& given) {
    const std::string t(text);
    if (t.empty() || IsCoreWord(t)) return Refused(TermRefusal::NotATerm);
    const bool plural = number == Number::Plural;
    if (auto known = SettledByKnownTerm(*this, t, kind, plural, negative)) return *known;
    if (auto problem = FormProblem(t, given)) {
        return Refused(TermRefusal::RefusedForm, std::move(*problem));
    }

    LangTerm term = NewTerm(t, kind, plural, negative, given);
    if (line && *line >= 0 && *line < static_cast<int>(term.LineUse.size())) {
        term.LineUse[static_cast<size_t>(*line)] = 'Y';
    }
    // Entered first, so that its forms are checked and filled against the lexicon it joins;
    // taken out again unless it gets a letter.
    Terms.push_back(std::move(term));
    const int i = TermCount() - 1;
    AddedTerm result;
    if (TermConflicts(i)) {
        result = Refused(TermRefusal::Conflict, kTermConflicts);
    } else if (FillTermForms(i) || HasRefusedForm(Terms[i])) {
        // A derived form the rules refuse ("he" from "hes") is no form: it must be given.
        result = Refused(TermRefusal::MissingForm);
    } else if (const auto letter = AssignTermLetter(kind, t)) {
        Terms[i].Letter = *letter;
        return {std::string(1, *letter), TermRefusal::None, {}};
    } else {
        result = Refused(TermRefusal::NoLetter, TermLimitMessage(kind));
    }
    Terms.pop_back();
    return result;
}

void NoteRefusal(const AddedTerm& added, NatState& nat) {
    if (added.ok()) return;
    nat.NatError = true;
    const bool conflict = added.refusal == TermRefusal::Conflict;
    if (conflict || added.refusal == TermRefusal::MissingForm) nat.TermProblem = true;
    if (added.message.empty() || (conflict && !nat.CheckDialogOpen)) return;
    nat.ShowNatMessage(added.message);
}

bool HasRefusedForm(const LangTerm& term) {
    for (const std::string* form : term.ScanOrder()) {
        if (!form->empty() && TermTextProblem(*form)) return true;
    }
    return false;
}

const char* TermLimitMessage(TermKind kind) {
    return kind == TermKind::SpecificNoun
               ? "Maximum of 25 specific nouns exceeded."
               : "Maximum of 26 adjectives / class nouns / predicates exceeded.";
}

std::optional<char> Lexicon::AssignTermLetter(TermKind kind, std::string_view text) {
    const char initial = text.empty() ? ' ' : text[0];
    if (kind == TermKind::SpecificNoun) {
        const char wanted = ToLower(std::string(1, initial))[0];
        // "x" is the variable of every formula, so it is never a constant.
        return TakeLetter(LowerLetterPool, wanted == 'x' ? ' ' : wanted);
    }
    return TakeLetter(UpperLetterPool, ToUpper(std::string(1, initial))[0]);
}

void Lexicon::ReturnLetter(TermKind kind, char letter) {
    if (letter == 0) return;
    (kind == TermKind::SpecificNoun ? LowerLetterPool : UpperLetterPool) += letter;
}

int FormCount(TermKind kind) {
    switch (kind) {
        case TermKind::Adjective:
            return 2;
        case TermKind::SpecificNoun:
            return 1;
        case TermKind::ClassNoun:
        case TermKind::Predicate:
            return 4;
    }
    return 0;
}

}  // namespace deducto
