#include "natural/TermDefinition.h"

#include "Session.h"
#include "formula/FormulaText.h"

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

}  // namespace

TermDefinition DefineTerm(std::string_view kindName, std::string_view text, Session& session) {
    TermDefinition result;
    const auto kind = KindFromName(ToLower(Trim(kindName)));
    if (!kind) {
        result.error = "Unknown kind of term \"" + std::string(Trim(kindName)) +
                       "\" (expected adjective, specific noun, class noun or predicate)";
        return result;
    }
    const std::string t = ToLower(NormaliseSpacing(text));
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
    result.letter = session.lexicon.AddTerm(t, *kind, Number::Singular, false, nat);
    if (!nat.NatError) return result;
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
        std::vector<const std::string*> more;
        switch (term.Kind) {
            case TermKind::Adjective:
                more = {&term.CompSingular};
                break;
            case TermKind::ClassNoun:
                more = {&term.Plural, &term.CompSingular, &term.CompPlural};
                break;
            case TermKind::Predicate:
                more = {&term.Plural, &term.NegSingular, &term.NegPlural};
                break;
            case TermKind::SpecificNoun:
                break;
        }
        for (const std::string* form : more) line += " | " + *form;
        lines.push_back(std::move(line));
    }
    return lines;
}

}  // namespace deducto
