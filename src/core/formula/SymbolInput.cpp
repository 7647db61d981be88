// Symbol input: one table of symbols and the keyword each stands for, and the modes in
// which that keyword exists.
#include "formula/SymbolInput.h"

#include <algorithm>
#include <array>

#include "text/Utf8.h"

namespace deducto {
namespace {

enum class Needs { AnyFormulaMode, PredicateType, SetTheory };

struct Symbol {
    std::string_view text;  // UTF-8
    std::string_view keyword;
    Needs needs;
};

// Longer spellings first, so that "<->" is not read as "<" and "->".
constexpr std::array<Symbol, 21> kSymbols{{
    {"<->", "iff", Needs::AnyFormulaMode},
    {"->", "implies", Needs::AnyFormulaMode},
    {"\u00AC", "not", Needs::AnyFormulaMode},  // ¬
    {"~", "not", Needs::AnyFormulaMode},
    {"\u2227", "and", Needs::AnyFormulaMode},  // ∧
    {"&", "and", Needs::AnyFormulaMode},
    {"\u00B7", "and", Needs::AnyFormulaMode},  // ·
    {"\u2228", "or", Needs::AnyFormulaMode},   // ∨
    {"|", "or", Needs::AnyFormulaMode},
    {"\u2192", "implies", Needs::AnyFormulaMode},  // →
    {"\u2283", "implies", Needs::AnyFormulaMode},  // ⊃
    {"\u2194", "iff", Needs::AnyFormulaMode},      // ↔
    {"\u2261", "iff", Needs::AnyFormulaMode},      // ≡
    {"\u2200", "forall", Needs::PredicateType},    // ∀
    {"\u2203", "exists", Needs::PredicateType},    // ∃
    {"\u2208", "belongs", Needs::SetTheory},       // ∈
    {"\u2229", "intersection", Needs::SetTheory},  // ∩
    {"\u222A", "union", Needs::SetTheory},         // ∪
    {"\u2286", "subset", Needs::SetTheory},        // ⊆
    {"\u2282", "subset", Needs::SetTheory},        // ⊂
    {"\u2205", "nullset", Needs::SetTheory},       // ∅
}};

bool KeywordExists(Needs needs, Mode mode) {
    // Natural language is read as English sentences: it has no formula keywords.
    if (mode == Mode::Natural) return false;
    switch (needs) {
        case Needs::AnyFormulaMode:
            return true;
        case Needs::PredicateType:
            return IsPredicateType(mode);
        case Needs::SetTheory:
            return mode == Mode::SetTheory;
    }
    return false;
}

// Bytes of the UTF-8 character that starts at `at` (1 for a stray continuation byte).
size_t CharacterLength(std::string_view text, size_t at) {
    return CharacterStart(text, at + 1) - at;
}

// kStartsSymbol[b]: some symbol begins with byte b. Most characters of a line begin none,
// and are passed over without comparing them with every symbol.
constexpr auto kStartsSymbol = [] {
    std::array<bool, 256> starts{};
    for (const Symbol& s : kSymbols) starts[static_cast<unsigned char>(s.text.front())] = true;
    return starts;
}();

const Symbol* SymbolAt(std::string_view text, size_t at, Mode mode) {
    if (!kStartsSymbol[static_cast<unsigned char>(text[at])]) return nullptr;
    for (const Symbol& s : kSymbols) {
        if (text.substr(at, s.text.size()) == s.text && KeywordExists(s.needs, mode)) return &s;
    }
    return nullptr;
}

}  // namespace

int SymbolReplacement::MapPosition(int inputPosition) const {
    if (positions.empty()) return 0;
    const int last = static_cast<int>(positions.size()) - 1;
    return positions[static_cast<size_t>(std::clamp(inputPosition, 0, last))];
}

SymbolReplacement ReplaceSymbols(std::string_view text, Mode mode) {
    SymbolReplacement result;
    std::string& out = result.text;
    int outChars = 0;
    const auto append = [&](std::string_view piece, int chars) {
        out += piece;
        outChars += chars;
    };
    size_t at = 0;
    while (at < text.size()) {
        const Symbol* symbol = SymbolAt(text, at, mode);
        if (symbol == nullptr) {
            const size_t length = CharacterLength(text, at);
            result.positions.push_back(outChars);
            append(text.substr(at, length), 1);
            at += length;
            continue;
        }
        result.changed = true;
        result.positions.push_back(outChars);
        if (!out.empty() && out.back() != ' ' && out.back() != '(') append(" ", 1);
        append(symbol->keyword, static_cast<int>(symbol->keyword.size()));
        const size_t next = at + symbol->text.size();
        if (next >= text.size() || (text[next] != ' ' && text[next] != ')')) append(" ", 1);
        // A place inside the symbol ("->" has two characters) maps to the end of its keyword.
        for (size_t b = at + 1; b < next; ++b) {
            if (!IsContinuationByte(text[b])) result.positions.push_back(outChars);
        }
        at = next;
    }
    result.positions.push_back(outChars);
    return result;
}

}  // namespace deducto
