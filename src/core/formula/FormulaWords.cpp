// FormulaInWords: one phrase per token.
#include "formula/FormulaWords.h"

#include "formula/FormulaText.h"

namespace deducto {
namespace {

const char* Phrase(char c, Mode mode) {
    switch (c) {
        case '1':
            return "and";
        case '2':
            return "or";
        case '3':
            return "not";
        case '6':
            return "if and only if";
        case '7':
            return "implies";
        case '@':
            return "belongs to";
        case '.':
            return "intersection";
        case '+':
            return "union";
        case '<':
            return "is a subset of";
        case '0':
            return "the empty set";
        case '=':
            return "equals";
        case '-':
            return "minus";
        case '\'':
            return "complement";
        case 'U':
            return mode == Mode::SetTheory ? "the universal set" : nullptr;
        default:
            return nullptr;
    }
}

}  // namespace

std::string FormulaInWords(std::string_view tokenList, Mode mode) {
    std::string out;
    const auto say = [&out](std::string_view words) {
        if (!out.empty() && out.back() != ' ') out += ' ';
        out += words;
    };
    for (size_t i = 0; i < tokenList.size(); ++i) {
        const char c = tokenList[i];
        const bool quantifier = c == '4' || c == '5';
        if (quantifier && i + 1 < tokenList.size() && IsLower(tokenList[i + 1])) {
            say(c == '4' ? "for all " : "there exists ");
            out += tokenList[++i];
            out += c == '4' ? "," : " such that";
        } else if (const char* phrase = Phrase(c, mode)) {
            say(phrase);
        } else {
            // A letter or a parenthesis; a predicate and its variable are read as two words.
            say(std::string_view(&tokenList[i], 1));
        }
    }
    return out;
}

}  // namespace deducto
