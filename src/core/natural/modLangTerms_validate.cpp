// The rules an edited table of term texts must pass before it replaces the lexicon.
#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "natural/modLangTerms.h"

namespace deducto {

namespace {

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

// The rules that look at a whole term once its last form has been examined; `forms` are
// lower-case and in table order.
std::optional<std::string> CheckWholeTerm(TermKind kind, const std::vector<std::string>& forms) {
    std::string name;
    bool anyEmpty = false;
    for (const std::string& form : forms) {
        if (name.empty()) name = form;
        anyEmpty = anyEmpty || form.empty();
    }
    if (name.empty()) return std::nullopt;  // every form emptied: the term is deleted
    if (anyEmpty) return "Missing variant(s) for " + Quoted(name);
    switch (kind) {
        case TermKind::Adjective:
            if (forms[1] == forms[0]) return "Complementary forms not distinct for " + Quoted(name);
            break;
        case TermKind::ClassNoun:
            for (int comp = 2; comp < 4; ++comp) {
                if (forms[comp] == forms[0] || forms[comp] == forms[1]) {
                    return "Complementary forms not distinct for " + Quoted(name);
                }
            }
            break;
        case TermKind::Predicate:
            // Table order: affirmative singular, negative singular, affirmative plural,
            // negative plural.
            if (forms[1] == forms[0] || forms[3] == forms[2]) {
                return "Affirmative/Negative forms not distinct for " + Quoted(name);
            }
            break;
        case TermKind::SpecificNoun:
            break;
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> TermTextProblem(std::string_view text) {
    if (IsCoreWord(text)) return Quoted(text) + " is a core word and cannot be used as a term";
    if (text == ";" || text == ",") {
        return Quoted(text) + " is a recognized punctuation symbol and cannot be used as a term";
    }
    if (text.find('.') != std::string_view::npos) return "Period not allowed within a term";
    // Punctuation alone ("!!!") names nothing. Any byte of a multi-byte character counts as
    // a letter, so terms in every script stay possible.
    const bool named = std::any_of(text.begin(), text.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u >= 0x80 || std::isalnum(u) != 0;
    });
    if (!named) return Quoted(text) + " has no letter or digit and cannot be used as a term";
    return std::nullopt;
}

std::optional<std::string> ValidateTermTexts(std::vector<TermTexts>& table) {
    struct Earlier {
        std::string text;
        size_t term;
    };
    std::vector<Earlier> earlier;
    for (size_t ti = 0; ti < table.size(); ++ti) {
        TermTexts& term = table[ti];
        std::vector<std::string> lower;
        for (std::string& form : term.forms) {
            form = NormaliseSpacing(form);
            const std::string text = ToLower(form);
            lower.push_back(text);
            if (text.empty()) continue;
            for (const Earlier& e : earlier) {
                // Forms of one class noun or predicate may coincide (sheep, sheep).
                const bool otherTerm = e.term != ti || term.Kind == TermKind::Adjective;
                if (otherTerm && TermsOverlap(text, e.text)) {
                    return Quoted(text) + " conflicts with another term";
                }
            }
            if (auto problem = TermTextProblem(text)) return problem;
            earlier.push_back({text, ti});
        }
        if (term.Kind != TermKind::SpecificNoun &&
            static_cast<int>(lower.size()) == FormCount(term.Kind)) {
            if (auto message = CheckWholeTerm(term.Kind, lower)) return message;
        }
    }
    return std::nullopt;
}

}  // namespace deducto
