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

bool Lexicon::TermConflicts(int i, NatState& nat) const {
    const LangTerm& t = Terms[i];
    for (const std::string* form :
         {&t.Singular, &t.CompSingular, &t.Plural, &t.CompPlural, &t.NegSingular, &t.NegPlural}) {
        if (form->empty() || FindTerm(*form) == i) continue;
        if (nat.CheckDialogOpen) nat.ShowNatMessage("Term conflicts with an existing term.");
        return true;
    }
    return false;
}

std::string Lexicon::AddTerm(std::string_view text, TermKind kind, Number number, bool negative,
                             NatState& nat, const GivenForms& given) {
    const std::string t(text);
    if (t.empty() || IsCoreWord(t)) {
        nat.NatError = true;
        return {};
    }
    const bool plural = number == Number::Plural;
    for (int i = 0; i < TermCount(); ++i) {
        const LangTerm& term = Terms[i];
        if (term.HasForm(t)) {
            std::string result = LetterText(i, t);
            bool suits = false;
            if (!plural) {
                suits =
                    negative ? t == term.NegSingular : t == term.Singular || t == term.CompSingular;
            } else {
                suits = negative ? t == term.NegPlural : t == term.Plural || t == term.CompPlural;
            }
            if (term.Kind != kind || !suits) nat.NatError = true;
            return result;
        }
        for (const std::string* form : term.ScanOrder()) {
            if (!form->empty() && TermsOverlap(t, *form)) {
                nat.ShowNatMessage("\"" + t + "\" conflicts with another term");
                nat.NatError = true;
                return {};
            }
        }
    }

    // A form the edit rules would refuse ("." read as a word) would make every later edit of
    // the lexicon fail, so it is never entered, whoever asks.
    for (const std::string_view form :
         {std::string_view(t), std::string_view(given.singular),
          std::string_view(given.compSingular), std::string_view(given.compPlural)}) {
        if (form.empty()) continue;
        if (const auto problem = TermTextProblem(form)) {
            nat.ShowNatMessage(*problem);
            nat.NatError = true;
            return {};
        }
    }

    LangTerm term;
    term.Kind = kind;
    (plural ? (negative ? term.NegPlural : term.Plural)
            : (negative ? term.NegSingular : term.Singular)) = t;
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
    term.LineUse = kNoLines;
    if (nat.CurrentLine && *nat.CurrentLine >= 0 &&
        *nat.CurrentLine < static_cast<int>(term.LineUse.size())) {
        term.LineUse[*nat.CurrentLine] = 'Y';
    }
    Terms.push_back(std::move(term));
    const int i = TermCount() - 1;

    const bool conflict = TermConflicts(i, nat);
    // A derived form the rules refuse ("he" from "hes") is no form: it must be given.
    const bool missing = FillTermForms(i) || HasRefusedForm(Terms[i]);
    if (!conflict && !missing) {
        if (const auto letter = AssignTermLetter(kind, t, nat)) {
            Terms[i].Letter = *letter;
            return std::string(1, *letter);
        }
        nat.NatError = true;
        Terms.pop_back();
        return {};
    }
    nat.NatError = true;
    nat.TermProblem = true;
    Terms.pop_back();
    return {};
}

bool HasRefusedForm(const LangTerm& term) {
    for (const std::string* form : term.ScanOrder()) {
        if (!form->empty() && TermTextProblem(*form)) return true;
    }
    return false;
}

std::optional<char> Lexicon::AssignTermLetter(TermKind kind, std::string_view text, NatState& nat) {
    const char initial = text.empty() ? ' ' : text[0];
    if (kind == TermKind::SpecificNoun) {
        const char wanted = ToLower(std::string(1, initial))[0];
        // "x" is the variable of every formula, so it is never a constant.
        const auto letter = TakeLetter(LowerLetterPool, wanted == 'x' ? ' ' : wanted);
        if (!letter) nat.ShowNatMessage("Maximum of 25 specific nouns exceeded.");
        return letter;
    }
    const auto letter = TakeLetter(UpperLetterPool, ToUpper(std::string(1, initial))[0]);
    if (!letter) {
        nat.ShowNatMessage("Maximum of 26 adjectives / class nouns / predicates exceeded.");
    }
    return letter;
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
