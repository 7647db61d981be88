#include "Notation.h"

namespace deducto::cli {

namespace {

bool IsBinary(char c) {
    switch (c) {
        case '1':
        case '2':
        case '6':
        case '7':  // connectives
        case '@':
        case '.':
        case '+':
        case '<':
        case '-':
        case '=':  // set notation
            return true;
        default:
            return false;
    }
}

const char* Symbol(char c) {
    switch (c) {
        case '1':
            return "∧";
        case '2':
            return "∨";
        case '3':
            return "¬";
        case '4':
            return "∀";
        case '5':
            return "∃";
        case '6':
            return "↔";
        case '7':
            return "→";
        case '@':
            return "∈";
        case '.':
            return "∩";
        case '+':
            return "∪";
        case '<':
            return "⊆";
        case '0':
            return "∅";
        case '\'':
            return "′";
        default:
            return nullptr;
    }
}

bool IsVariable(char c) { return c >= 'a' && c <= 'z'; }

}  // namespace

std::string DisplayFormula(std::string_view tokenList) {
    std::string out;
    for (std::size_t i = 0; i < tokenList.size(); ++i) {
        const char c = tokenList[i];
        const char* symbol = Symbol(c);
        const std::string glyph = symbol != nullptr ? symbol : std::string(1, c);
        if (IsBinary(c)) {
            out += ' ' + glyph + ' ';
        } else if ((c == '4' || c == '5') && i + 1 < tokenList.size() &&
                   IsVariable(tokenList[i + 1])) {
            // A quantifier and its variable; a space before an operand keeps "∀x Px" apart
            // from a predicate "xPx", none before a group or another quantifier.
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

std::size_t DisplayWidth(std::string_view text) {
    std::size_t width = 0;
    for (const char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++width;  // not a continuation
    }
    return width;
}

}  // namespace deducto::cli
