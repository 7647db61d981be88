#include "Notation.h"

namespace deducto {

namespace {

// Connectives, then the set-notation operators of the translator's display list.
bool IsBinary(char c) { return std::string_view("1267@.+<-=").find(c) != std::string_view::npos; }

struct Glyph {
    char token;
    const char* symbol;
};
constexpr Glyph kGlyphs[] = {{'1', "∧"}, {'2', "∨"}, {'3', "¬"}, {'4', "∀"}, {'5', "∃"},
                             {'6', "↔"}, {'7', "→"}, {'@', "∈"}, {'.', "∩"}, {'+', "∪"},
                             {'<', "⊆"}, {'0', "∅"}, {'\'', "′"}};

std::string Symbol(char c) {
    for (const Glyph& glyph : kGlyphs) {
        if (glyph.token == c) return glyph.symbol;
    }
    return std::string(1, c);  // letters and parentheses stand for themselves
}

bool IsVariable(char c) { return c >= 'a' && c <= 'z'; }

}  // namespace

std::string DisplayFormula(std::string_view tokenList) {
    std::string out;
    for (std::size_t i = 0; i < tokenList.size(); ++i) {
        const char c = tokenList[i];
        const std::string glyph = Symbol(c);
        if (IsBinary(c)) {
            out += ' ' + glyph + ' ';
        } else if ((c == '4' || c == '5') && i + 1 < tokenList.size() &&
                   IsVariable(tokenList[i + 1])) {
            // A quantifier with its variable, then a space before a plain operand ("∀x Px")
            // but none before a group or another quantifier ("∀x(Px ∧ Qx)", "∃x∃y").
            out += glyph + tokenList[++i];
            const bool more = i + 1 < tokenList.size();
            if (more && tokenList[i + 1] != '(' && tokenList[i + 1] != '4' &&
                tokenList[i + 1] != '5') {
                out += ' ';
            }
        } else {
            out += glyph;
        }
    }
    return out;
}

std::string DisplayRegion(Region region) {
    std::string out;
    for (const char c : RegionLabel(region)) {
        if (c == '&') {
            out += "∩";
        } else if (c == '\'') {
            out += "′";
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace deducto
