// Writing an argument file: the header as it came, then the keys in one fixed order, so that
// what the window saves reads back as the same argument and saves again as the same text.
#include "file/ArgumentFile.h"
#include "natural/TermDefinition.h"
#include "natural/modLangTerms.h"

namespace deducto {

std::string WriteArgumentFile(const ArgumentText& argument) {
    std::string out;
    for (const std::string& line : argument.header) out += line + '\n';
    out += std::string("Mode: ") + ModeName(argument.mode) + '\n';
    for (const TermLine& term : argument.terms) {
        out += "Term: " + term.kind + ": " + term.text + '\n';
    }
    if (argument.expected) out += std::string("Expect: ") + VerdictText(*argument.expected) + '\n';
    // Empty premises between filled ones keep their place; those after the last are left out.
    int lastPremise = 0;
    for (int k = 1; k < kLineCount; ++k) {
        if (!argument.lines[k].empty()) lastPremise = k;
    }
    for (int k = 1; k <= lastPremise; ++k) {
        out += argument.lines[k].empty() ? "Premise:\n" : "Premise: " + argument.lines[k] + '\n';
    }
    // Half-done work keeps what it has; a reader that needs a conclusion says there is none.
    if (!argument.lines[0].empty()) out += "Conclusion: " + argument.lines[0] + '\n';
    return out;
}

std::vector<TermLine> LexiconTerms(const Lexicon& lexicon) {
    std::vector<TermLine> terms;
    for (const LangTerm& term : lexicon.Terms)
        terms.push_back({KindName(term.Kind), TermLineText(term), 0});
    return terms;
}

}  // namespace deducto
