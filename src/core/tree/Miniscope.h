// The one rewriting step of a tree's line: quantifiers moved inward until none lies in the
// scope of another whose variable it needs. Taking such a line apart by the usual rules can
// go on for ever (every individual found for "for all x exists y" asks for another); once
// no quantifier's body speaks of an outer variable, every instance only repeats formulas
// already met, so the tree finishes.
//
// The rewriting keeps the line's meaning as the engine reads it: a quantifier whose variable
// does not occur in its body says nothing (forall x Pa is Pa), the universal set is true and
// the empty set false, and the domain may be empty when nothing is named.
#pragma once

#include "tree/TreeFormula.h"

namespace deducto {

struct Rewriting {
    FormulaPtr formula;    // null when the rewritten line would pass kMaxRewrittenSize
    bool changed = false;  // the formula differs from the line as read
};

// Operators a rewritten line may hold: moving quantifiers inward multiplies out the
// connectives under a quantifier, which can grow a line exponentially.
inline constexpr int kMaxRewrittenSize = 2000;

[[nodiscard]] Rewriting MoveQuantifiersInward(const FormulaPtr& line);

}  // namespace deducto
