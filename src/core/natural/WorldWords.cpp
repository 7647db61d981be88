#include "natural/WorldWords.h"

namespace deducto {

namespace {

const LangTerm* TermOf(char letter, const std::vector<LangTerm>& terms) {
    for (const LangTerm& term : terms) {
        if (term.Letter == letter) return &term;
    }
    return nullptr;
}

// "are REAL", "are not NUMBERS", "CAN BE EXPRESSED AS ...": what the things of a cell are.
std::string Quality(const LangTerm& term, bool positive) {
    switch (term.Kind) {
        case TermKind::ClassNoun:
            return (positive ? "are " : "are not ") + ToUpper(term.Plural);
        case TermKind::Predicate:
            return ToUpper(positive ? term.Plural : term.NegPlural);
        default:
            return (positive ? "are " : "are not ") + ToUpper(term.Singular);
    }
}

}  // namespace

std::string CellWords(Region cell, const std::vector<LangTerm>& terms) {
    std::string head;
    char headLetter = 0;
    ForEachPair(cell, [&](char sign, char letter) {
        const LangTerm* term = TermOf(letter, terms);
        if (headLetter == 0 && sign == '+' && term && term->Kind == TermKind::ClassNoun) {
            head = ToUpper(term->Plural);
            headLetter = letter;
        }
    });
    if (head.empty()) head = "things";
    std::vector<std::string> qualities;
    ForEachPair(cell, [&](char sign, char letter) {
        if (letter == headLetter) return;
        const LangTerm* term = TermOf(letter, terms);
        qualities.push_back(term ? Quality(*term, sign == '+')
                                 : (sign == '+' ? "are " : "are not ") + std::string(1, letter));
    });
    std::string text = head;
    for (size_t i = 0; i < qualities.size(); ++i) {
        text += i == 0 ? " that " : (i + 1 == qualities.size() ? " and " : ", ");
        text += qualities[i];
    }
    return text;
}

std::string IndividualWords(char letter, const std::vector<LangTerm>& terms) {
    const LangTerm* term = TermOf(letter, terms);
    return term ? ToUpper(term->Singular) : std::string(1, letter);
}

}  // namespace deducto
