#include "natural/TermDefinition.h"

#include "text/Spacing.h"

namespace deducto {

namespace {

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
std::string SetListedForms(Lexicon& lexicon, int i, const std::vector<std::string>& forms) {
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
    if (lexicon.TermConflicts(i)) return kTermConflicts;
    return {};
}

// Why a term's line was refused: the lexicon's own words where it has some.
std::string RefusalText(const AddedTerm& added, const std::string& quoted) {
    switch (added.refusal) {
        case TermRefusal::None:
            return {};
        case TermRefusal::NotATerm:
            return quoted + " could not be added as a term";
        case TermRefusal::OtherUse:
            return quoted + " is already a term of another kind or number";
        case TermRefusal::MissingForm:
            return "Missing variant(s) for " + quoted;
        case TermRefusal::Overlap:
        case TermRefusal::RefusedForm:
        case TermRefusal::Conflict:
        case TermRefusal::NoLetter:
            break;
    }
    return added.message;
}

}  // namespace

std::string TermLineText(const LangTerm& term) {
    // What defining the singular alone would give.
    Lexicon fresh;
    const AddedTerm added =
        fresh.AddTerm(term.Singular, term.Kind, Number::Singular, false, std::nullopt);
    const std::vector<std::string LangTerm::*> fields = ListedForms(term.Kind);
    bool derived = added.ok() && fresh.TermCount() == 1;
    for (const auto field : fields) {
        derived = derived && fresh.Terms[0].*field == term.*field;
    }
    std::string text = term.Singular;
    if (!derived) {
        for (const auto field : fields) text += " | " + term.*field;
    }
    return text;
}

TermDefinition DefineTerm(std::string_view kindName, std::string_view text, Lexicon& lexicon) {
    TermDefinition result;
    const auto kind = KindFromName(ToLower(Trim(kindName)));
    if (!kind) {
        result.error = "Unknown kind of term \"" + std::string(Trim(kindName)) + "\" (expected " +
                       KindNameList() + ")";
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

    const int before = lexicon.TermCount();
    // Tried on a copy, so that forms the lexicon refuses leave it as it was.
    Lexicon trial = lexicon;
    const AddedTerm added = trial.AddTerm(t, *kind, Number::Singular, false, std::nullopt);
    result.error = RefusalText(added, quoted);
    if (result.ok() && forms.size() > 1) {
        result.error = trial.TermCount() == before
                           ? quoted + " is already a term: its forms are not given again"
                           : SetListedForms(trial, before, forms);
    }
    if (!result.ok()) return result;
    result.letter = added.letter;
    lexicon = std::move(trial);
    return result;
}

TermDefinition DefineTermFromLine(std::string_view line, Lexicon& lexicon) {
    std::string_view rest = Trim(line);
    if (ToLower(rest.substr(0, 5)) == "term:") rest = Trim(rest.substr(5));
    const size_t colon = rest.find(':');
    if (colon == std::string_view::npos) {
        TermDefinition result;
        result.error = "Expected \"Term: <kind>: <text>\"";
        return result;
    }
    return DefineTerm(rest.substr(0, colon), rest.substr(colon + 1), lexicon);
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
