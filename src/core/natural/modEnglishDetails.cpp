#include "natural/modEnglishDetails.h"

#include "UserPrompts.h"
#include "natural/modLangTerms.h"
#include "truthtable/clsTruthTable.h"

namespace deducto {

std::string TermPhrase(char letter, const Lexicon& lexicon, UserPrompts& prompts) {
    const auto i = lexicon.FindLetter(letter);
    if (!i) {
        prompts.ShowMessage("impossible error");
        return {};
    }
    const LangTerm& term = lexicon.Terms[static_cast<size_t>(*i)];
    std::string article;
    if (term.Kind == TermKind::ClassNoun) {
        const char first = term.Singular.empty() ? ' ' : term.Singular[0];
        const bool vowel =
            first == 'a' || first == 'e' || first == 'i' || first == 'o' || first == 'u';
        article = vowel ? "an " : "a ";
    }
    return article + ToUpper(term.Singular);
}

std::string DescribeCellEnglish(const clsTruthTable& table, int row, int column,
                                const Lexicon& lexicon, UserPrompts& prompts) {
    std::string text;
    bool first = true;
    const auto separate = [&] {
        if (!first) text += " and ";
        first = false;
    };
    if (column < table.nbrIntTerms()) {
        text = table.Inhabited(row, column) ? "there exists someone/something that "
                                            : "there is nothing/no one that ";
        ForEachPair(table.InternalRegion(column), [&](char sign, char letter) {
            separate();
            text += sign == '+' ? "is " : "is not ";
            text += TermPhrase(letter, lexicon, prompts);
        });
        return text;
    }
    const int j = column - table.nbrIntTerms();
    const std::string individual = TermPhrase(table.LocalLetter(j), lexicon, prompts);
    ForEachPair(table.LocalRegion(row, j), [&](char sign, char letter) {
        separate();
        if (sign == '-') text += "it is not true that ";
        text += individual + " is " + TermPhrase(letter, lexicon, prompts);
    });
    return text;
}

}  // namespace deducto
