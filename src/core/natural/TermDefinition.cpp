#include "natural/TermDefinition.h"

#include "Session.h"
#include "text/Spacing.h"

namespace deducto {

namespace {

std::optional<TermKind> KindFromName(std::string_view name) {
    for (TermKind kind :
         {TermKind::Adjective, TermKind::SpecificNoun, TermKind::ClassNoun, TermKind::Predicate}) {
        if (name == KindName(kind)) return kind;
    }
    return std::nullopt;
}

// Keeps the first message the lexicon gives while a term is added.
class ReasonOnly : public UserPrompts {
public:
    std::string reason;
    void ShowMessage(std::string_view text) override {
        if (reason.empty()) reason = text;
    }
    bool Confirm(std::string_view) override { return false; }
    bool ConfirmTermWithUser(CheckTermsModel&) override { return false; }
    bool EditLanguageTerms(LanguageTermsModel&) override { return false; }
};

// The forms a term's line lists after its singular, in order.
std::vector<std::string LangTerm::*> ListedForms(TermKind kind) {
    switch (kind) {
        case TermKind::Adjective:
            return {&LangTerm::CompSingular};
        case TermKind::ClassNoun:
            return {&LangTerm::Plural, &LangTerm::CompSingular, &LangTerm::CompPlural};
        case TermKind::Predicate:
            return {&LangTerm::Plural, &LangTerm::NegSingular, &LangTerm::NegPlural};
        case TermKind::SpecificNoun:
            break;
    }
    return {};
}

// "a | b | c" cut at its separators, each part with its spacing normalised and lower-cased.
std::vector<std::string> FormsOf(std::string_view text) {
    std::vector<std::string> forms;
    for (size_t start = 0;;) {
        const size_t bar = text.find('|', start);
        forms.push_back(ToLower(NormaliseSpacing(text.substr(start, bar - start))));
        if (bar == std::string_view::npos) return forms;
        start = bar + 1;
    }
}

// Gives the term just added the forms its line names, unless they break the lexicon's rules.
std::string SetListedForms(Lexicon& lexicon, int i, const std::vector<std::string>& forms,
                           ReasonOnly& reasons, NatState& nat) {
    LangTerm& term = lexicon.Terms[static_cast<size_t>(i)];
    const std::vector<std::string LangTerm::*> fields = ListedForms(term.Kind);
    if (forms.size() != fields.size() + 1) {
        return "A " + std::string(KindName(term.Kind)) + " has " +
               std::to_string(fields.size() + 1) + " forms separated by \"|\"";
    }
    for (size_t k = 0; k < fields.size(); ++k) {
        if (forms[k + 1].empty()) return "A form of the term is empty";
        if (auto problem = TermTextProblem(forms[k + 1])) return *problem;
        term.*fields[k] = forms[k + 1];
    }
    if (lexicon.TermConflicts(i, nat)) {
        return reasons.reason.empty() ? "Term conflicts with an existing term." : reasons.reason;
    }
    return {};
}

}  // namespace

std::string TermLineText(const LangTerm& term) {
    // What defining the singular alone would give.
    Lexicon fresh;
    ReasonOnly reasons;
    NatState nat(reasons);
    nat.CheckDialogOpen = true;
    (void)fresh.AddTerm(term.Singular, term.Kind, Number::Singular, false, nat);
    const std::vector<std::string LangTerm::*> fields = ListedForms(term.Kind);
    bool derived = !nat.NatError && fresh.TermCount() == 1;
    for (const auto field : fields) {
        derived = derived && fresh.Terms[0].*field == term.*field;
    }
    std::string text = term.Singular;
    if (!derived) {
        for (const auto field : fields) text += " | " + term.*field;
    }
    return text;
}

TermDefinition DefineTerm(std::string_view kindName, std::string_view text, Session& session) {
    TermDefinition result;
    const auto kind = KindFromName(ToLower(Trim(kindName)));
    if (!kind) {
        result.error = "Unknown kind of term \"" + std::string(Trim(kindName)) +
                       "\" (expected adjective, specific noun, class noun or predicate)";
        return result;
    }
    const std::vector<std::string> forms = FormsOf(text);
    const std::string& t = forms.front();
    const std::string quoted = "\"" + t + "\"";
    if (t.empty()) {
        result.error = "The term has no text";
    } else if (auto problem = TermTextProblem(t)) {
        result.error = *problem;
    }
    if (!result.ok()) return result;

    // The term is defined as in the Check Language Terms dialog, so the lexicon gives its own
    // reason for a refusal; that reason is the error, not a message of its own.
    ReasonOnly reasons;
    NatState nat(reasons);
    nat.CheckDialogOpen = true;
    const int before = session.lexicon.TermCount();
    // Tried on a copy, so that forms the lexicon refuses leave it as it was.
    Lexicon trial = session.lexicon;
    result.letter = trial.AddTerm(t, *kind, Number::Singular, false, nat);
    if (!nat.NatError && forms.size() > 1) {
        if (trial.TermCount() == before) {
            result.error = quoted + " is already a term: its forms are not given again";
        } else {
            result.error = SetListedForms(trial, before, forms, reasons, nat);
        }
        if (!result.ok()) {
            result.letter.clear();
            return result;
        }
    }
    if (!nat.NatError) {
        session.lexicon = std::move(trial);
        return result;
    }
    result.letter.clear();
    if (!reasons.reason.empty()) {
        result.error = reasons.reason;
    } else if (session.lexicon.FindTerm(t) && session.lexicon.TermCount() == before) {
        result.error = quoted + " is already a term of another kind or number";
    } else if (nat.TermProblem) {
        result.error = "Missing variant(s) for " + quoted;
    } else {
        result.error = quoted + " could not be added as a term";
    }
    return result;
}

TermDefinition DefineTermFromLine(std::string_view line, Session& session) {
    std::string_view rest = Trim(line);
    if (ToLower(rest.substr(0, 5)) == "term:") rest = Trim(rest.substr(5));
    const size_t colon = rest.find(':');
    if (colon == std::string_view::npos) {
        TermDefinition result;
        result.error = "Expected \"Term: <kind>: <text>\"";
        return result;
    }
    return DefineTerm(rest.substr(0, colon), rest.substr(colon + 1), session);
}

std::vector<std::string> LexiconListing(const std::vector<LangTerm>& terms) {
    std::vector<std::string> lines;
    for (const LangTerm& term : terms) {
        std::string line = term.Letter ? std::string(1, term.Letter) : std::string("?");
        line += std::string("  ") + KindName(term.Kind) + ": " + term.Singular;
        for (const auto field : ListedForms(term.Kind)) line += " | " + term.*field;
        lines.push_back(std::move(line));
    }
    return lines;
}

}  // namespace deducto
