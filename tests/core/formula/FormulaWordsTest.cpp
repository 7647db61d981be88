// Formulas read out in words, as a screen reader announces a line's drawn formula.
#include <gtest/gtest.h>

#include "formula/FormulaWords.h"
#include "formula/modBuildPolish.h"
#include "formula/modSetTheory.h"

namespace deducto {
namespace {

struct Reading {
    const char* name;
    const char* typed;
    Mode mode;
    const char* words;
};

class FormulaInWordsReads : public testing::TestWithParam<Reading> {};

TEST_P(FormulaInWordsReads, EveryTokenOfTheLine) {
    const Reading& r = GetParam();
    std::string tokens;
    if (r.mode == Mode::SetTheory) {
        const SetTranslation translation = TranslateSetTheory(r.typed);
        ASSERT_FALSE(translation.text.empty()) << r.typed;
        tokens = translation.setDisplayTokens;
    } else {
        const ParseResult parsed = BuildPolish(r.typed, r.mode);
        ASSERT_TRUE(parsed.ok()) << r.typed;
        tokens = parsed.tokenList;
    }
    EXPECT_EQ(FormulaInWords(tokens, r.mode), r.words) << r.typed;
}

INSTANTIATE_TEST_SUITE_P(
    EachMode, FormulaInWordsReads,
    testing::Values(Reading{"PropositionalGrouping", "(r and k) implies p", Mode::Propositional,
                            "( r and k ) implies p"},
                    Reading{"PropositionalIff", "not p or q iff U", Mode::Propositional,
                            "not p or q if and only if U"},
                    Reading{"PredicateForAll", "forall x (Px implies Qx)", Mode::Predicate,
                            "for all x, ( P x implies Q x )"},
                    Reading{"PredicateExists", "exists y not Fy", Mode::Predicate,
                            "there exists y such that not F y"},
                    Reading{"PredicateNestedQuantifiers", "forall x exists y Rx", Mode::Predicate,
                            "for all x, there exists y such that R x"},
                    Reading{"SetIntersectionEmpty", "A intersection B = nullset", Mode::SetTheory,
                            "A intersection B equals the empty set"},
                    Reading{"SetComplement", "x belongs (A union B)'", Mode::SetTheory,
                            "x belongs to ( A union B ) complement"},
                    Reading{"SetDifferenceSubset", "A - B subset U", Mode::SetTheory,
                            "A minus B is a subset of the universal set"}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace deducto
