#include "natural/modEnglishDetails.h"

#include "Session.h"
#include "truthtable/clsTruthTable.h"

namespace deducto {

std::string TermPhrase(char letter, Session& session) {
    const auto i = session.lexicon.FindLetter(letter);
    if (!i) {
        session.prompts().ShowMessage("impossible error");
        return {};
    }
    const LangTerm& term = session.lexicon.Terms[static_cast<size_t>(*i)];
    std::string article;
    if (term.Kind == TermKind::ClassNoun) {
        const char first = term.Singular.empty() ? ' ' : term.Singular[0];
        const bool vowel =
            first == 'a' || first == 'e' || first == 'i' || first == 'o' || first == 'u';
        article = vowel ? "an " : "a ";
    }
    return article + ToUpper(term.Singular);
}

std::string DescribeCellEnglish(const clsTruthTable& table, int row, int column, Session& session) {
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
            text += TermPhrase(letter, session);
        });
        return text;
    }
    const int j = column - table.nbrIntTerms();
    const std::string individual = TermPhrase(table.LocalLetter(j), session);
    ForEachPair(table.LocalRegion(row, j), [&](char sign, char letter) {
        separate();
        if (sign == '-') text += "it is not true that ";
        text += individual + " is " + TermPhrase(letter, session);
    });
    return text;
}

}  // namespace deducto
