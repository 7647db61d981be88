// The four ways a line can be typed. Predicate, set theory and natural language share the
// monadic predicate calculus underneath; only propositional mode differs.
#pragma once

namespace deducto {

enum class Mode { Propositional, Predicate, SetTheory, Natural };

inline bool IsPredicateType(Mode mode) { return mode != Mode::Propositional; }

inline constexpr Mode kModes[] = {Mode::Propositional, Mode::Predicate, Mode::SetTheory,
                                  Mode::Natural};

// The mode's name in argument files and reports.
[[nodiscard]] constexpr const char* ModeName(Mode mode) {
    switch (mode) {
        case Mode::Propositional:
            return "propositional";
        case Mode::Predicate:
            return "predicate";
        case Mode::SetTheory:
            return "set theory";
        case Mode::Natural:
            return "natural language";
    }
    return "propositional";
}

}  // namespace deducto
