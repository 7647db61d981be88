// Formulas as the truth tree handles them: an immutable tree read from a line's Polish
// string, which the tree's rules take apart, negate and instantiate. Each formula carries
// its Polish string, which is also its identity: two formulas are the same exactly when
// their Polish strings are.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "Mode.h"

namespace deducto {

struct TreeFormula;
using FormulaPtr = std::shared_ptr<const TreeFormula>;

struct TreeFormula {
    // True and False stand for the universal and the empty set of set theory.
    enum Kind { True, False, Atom, Not, And, Or, Implies, Iff, Forall, Exists };
    Kind kind = Atom;
    char predicate = 0;  // Atom: the letter ("p", or "P" of "Px")
    char variable = 0;   // Atom in the predicate modes: its individual; quantifiers: the bound one
    FormulaPtr a;        // the only operand of Not and the quantifiers; the left one otherwise
    FormulaPtr b;
    std::string polish;  // Polish string, the formula's identity

    [[nodiscard]] bool IsBinary() const { return kind >= And && kind <= Iff; }
    [[nodiscard]] bool IsQuantifier() const { return kind == Forall || kind == Exists; }
    // An atom, the negation of one, or a constant: no rule takes it apart.
    [[nodiscard]] bool IsLiteral() const;
};

[[nodiscard]] FormulaPtr MakeAtom(char predicate, char variable);  // variable 0: propositional
[[nodiscard]] FormulaPtr MakeConstant(bool value);
[[nodiscard]] FormulaPtr MakeNot(FormulaPtr a);
[[nodiscard]] FormulaPtr MakeBinary(TreeFormula::Kind kind, FormulaPtr a, FormulaPtr b);
[[nodiscard]] FormulaPtr MakeQuantifier(TreeFormula::Kind kind, char variable, FormulaPtr body);

// The formula of a Polish string read in `mode`; null when the string is malformed. In set
// theory the universal set "U" is True and the empty set "0" is False.
[[nodiscard]] FormulaPtr FormulaFromPolish(std::string_view polish, Mode mode);

// `f` with every free occurrence of `variable` replaced by the individual `constant`.
[[nodiscard]] FormulaPtr Instantiate(const FormulaPtr& f, char variable, char constant);

[[nodiscard]] bool IsFree(const TreeFormula& f, char variable);
// The free individual letters of `f`, as a mask (bit k for 'a' + k).
[[nodiscard]] unsigned FreeLetters(const TreeFormula& f);
// Every lower-case letter in `f`, free or bound, as a mask.
[[nodiscard]] unsigned AllLetters(const TreeFormula& f);
// The predicate (or propositional) letters of `f`, each once, in the order met.
void CollectLetters(const TreeFormula& f, std::string& letters);

// The formula in keyword syntax that the parser reads back: "forall x (Px implies Qx)".
[[nodiscard]] std::string KeywordText(const TreeFormula& f);
// The formula as a token list in reading order, for DisplayFormula.
[[nodiscard]] std::string TokenList(const TreeFormula& f);
// The formula in logical notation: "∀x(Px → Qx)".
[[nodiscard]] std::string LogicalText(const TreeFormula& f);

}  // namespace deducto
