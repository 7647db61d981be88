// Symbol input: every symbol in every mode, the spacing around keywords and the places a
// cursor maps to.
#include <gtest/gtest.h>

#include <string>

#include "formula/SymbolInput.h"

namespace deducto {
namespace {

constexpr Mode P = Mode::Propositional;
constexpr Mode Q = Mode::Predicate;
constexpr Mode S = Mode::SetTheory;
constexpr Mode N = Mode::Natural;

struct Rewrite {
    const char* name;
    const char* text;
    Mode mode;
    const char* expected;
};

class ReplaceSymbolsIn : public testing::TestWithParam<Rewrite> {};

TEST_P(ReplaceSymbolsIn, TheKeywordsOfTheMode) {
    const Rewrite& r = GetParam();
    const SymbolReplacement out = ReplaceSymbols(r.text, r.mode);
    EXPECT_EQ(out.text, r.expected) << r.text;
    EXPECT_EQ(out.changed, std::string(r.text) != r.expected) << r.text;
}

// Each symbol between two operands, in the three formula modes and natural language.
INSTANTIATE_TEST_SUITE_P(
    Connectives, ReplaceSymbolsIn,
    testing::Values(Rewrite{"NotSignPropositional", "\u00ACp", P, "not p"},
                    Rewrite{"TildePredicate", "~p", Q, "not p"},
                    Rewrite{"NotSignSetTheory", "\u00ACp", S, "not p"},
                    Rewrite{"NotSignNatural", "\u00ACp", N, "\u00ACp"},
                    Rewrite{"WedgePropositional", "p\u2227q", P, "p and q"},
                    Rewrite{"AmpersandPredicate", "p & q", Q, "p and q"},
                    Rewrite{"DotSetTheory", "p\u00B7q", S, "p and q"},
                    Rewrite{"AmpersandNatural", "p & q", N, "p & q"},
                    Rewrite{"VeePropositional", "p\u2228q", P, "p or q"},
                    Rewrite{"BarSetTheory", "p|q", S, "p or q"},
                    Rewrite{"ArrowPropositional", "p\u2192q", P, "p implies q"},
                    Rewrite{"HorseshoePredicate", "p \u2283 q", Q, "p implies q"},
                    Rewrite{"AsciiArrowSetTheory", "p->q", S, "p implies q"},
                    Rewrite{"DoubleArrowPropositional", "p\u2194q", P, "p iff q"},
                    Rewrite{"TripleBarPredicate", "p \u2261 q", Q, "p iff q"},
                    Rewrite{"AsciiDoubleArrowPropositional", "p<->q", P, "p iff q"},
                    Rewrite{"AsciiDoubleArrowSetTheory", "A <-> B", S, "A iff B"},
                    Rewrite{"ArrowNatural", "p\u2192q", N, "p\u2192q"}),
    [](const auto& row) { return std::string(row.param.name); });

// The quantifiers exist in the predicate-type modes, the set symbols in set theory only;
// elsewhere the symbol stays for the parser to reject.
INSTANTIATE_TEST_SUITE_P(
    QuantifiersAndSets, ReplaceSymbolsIn,
    testing::Values(Rewrite{"ForAllPredicate", "\u2200x Px", Q, "forall x Px"},
                    Rewrite{"ExistsSetTheory", "\u2203y Py", S, "exists y Py"},
                    Rewrite{"ForAllPropositional", "\u2200x Px", P, "\u2200x Px"},
                    Rewrite{"ForAllNatural", "\u2200x Px", N, "\u2200x Px"},
                    Rewrite{"ElementSetTheory", "x\u2208A", S, "x belongs A"},
                    Rewrite{"ElementPredicate", "x\u2208A", Q, "x\u2208A"},
                    Rewrite{"IntersectionSetTheory", "A\u2229B", S, "A intersection B"},
                    Rewrite{"UnionSetTheory", "A\u222AB", S, "A union B"},
                    Rewrite{"SubsetOrEqualSetTheory", "A\u2286B", S, "A subset B"},
                    Rewrite{"ProperSubsetSetTheory", "A\u2282B", S, "A subset B"},
                    Rewrite{"SubsetPropositional", "A\u2286B", P, "A\u2286B"},
                    Rewrite{"EmptySetSetTheory", "A \u2229 \u2205 = \u2205", S,
                            "A intersection nullset = nullset "},
                    Rewrite{"AsciiSetSignsStay", "A - B < C", S, "A - B < C"}),
    [](const auto& row) { return std::string(row.param.name); });

// A keyword is set off by spaces, except where the text has one or a parenthesis faces it;
// one typed at the end gets its space at once, so the next letter is not run into it.
INSTANTIATE_TEST_SUITE_P(
    Spacing, ReplaceSymbolsIn,
    testing::Values(Rewrite{"InsideParentheses", "(\u00ACp\u2228q)", P, "(not p or q)"},
                    Rewrite{"TwoNegations", "\u00AC\u00ACp", P, "not not p"},
                    Rewrite{"TypedAtTheEnd", "p\u2227", P, "p and "},
                    Rewrite{"QuantifierBeforeParenthesis", "\u2200x(Px\u2192Qx)", Q,
                            "forall x(Px implies Qx)"},
                    Rewrite{"SpacesAlreadyThere", "p  \u2227  q", P, "p  and  q"},
                    Rewrite{"Empty", "", P, ""}, Rewrite{"NoSymbol", "p and q", P, "p and q"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(ReplaceSymbols, MapsEveryPlaceOfTheInput) {
    // "p->q" becomes "p implies q": before "-" is before the keyword's space, inside "->"
    // and after it is after the keyword's trailing space.
    const SymbolReplacement out = ReplaceSymbols("p->q", P);
    ASSERT_EQ(out.text, "p implies q");
    EXPECT_EQ(out.positions, (std::vector<int>{0, 1, 10, 10, 11}));
    // Characters, not bytes: one ∀ is one place.
    const SymbolReplacement quantified = ReplaceSymbols("\u2200x\u00E9", Q);
    EXPECT_EQ(quantified.text, "forall x\u00E9");
    EXPECT_EQ(quantified.positions, (std::vector<int>{0, 7, 8, 9}));
    EXPECT_EQ(quantified.MapPosition(99), 9);
}

}  // namespace
}  // namespace deducto
