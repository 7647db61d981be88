// The four ways a line can be typed. Predicate, set theory and natural language share the
// monadic predicate calculus underneath; only propositional mode differs.
#pragma once

namespace deducto {

enum class Mode { Propositional, Predicate, SetTheory, Natural };

inline bool IsPredicateType(Mode mode) { return mode != Mode::Propositional; }

}  // namespace deducto
