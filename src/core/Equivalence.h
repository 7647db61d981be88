// Whether two argument lines say the same thing: they are equivalent when their
// biconditional is always true. When it is not, the first case in which they differ is
// written in the words of the details window ("differs when p is true, q is false") and
// drawn as a world, and each formula is evaluated directly in that world, so a case that a
// table got wrong is never reported. Grading compares a student's line with the key's line
// this way; the window can ask the same of any two lines.
#pragma once

#include <optional>
#include <string>

#include "Mode.h"
#include "Outcome.h"
#include "truthtable/FailingWorld.h"
#include "truthtable/World.h"

namespace deducto {

class Computation;
class Lexicon;

inline constexpr const char* kDiffersWhen = "differs when ";

// One line to compare: its formula and table (LineFormula) and the mode it was read in.
struct ModeFormula {
    LineFormula formula;
    Mode mode = Mode::Propositional;
};

struct Equivalence {
    // Not ok when the comparison could not be finished: a limit, or a fault of the program.
    Status status;
    bool comparable = true;  // false for a propositional line against a predicate-type one
    bool equivalent = false;
    // "differs when ..." on one line; empty when equivalent or not comparable.
    std::string difference;
    std::optional<World> world;  // the case that tells them apart
    char firstValue = 0;         // the first line's value in `world`, 'T' or 'F'
    char secondValue = 0;        // the second line's
};

// Compares `first` with `second`; both must hold a table. English cases name the terms of
// `lexicon` (the first line's); when a letter has no entry there the case is written as
// predicate formulas instead. Polls computation.CheckCancel().
[[nodiscard]] Equivalence CheckEquivalence(const ModeFormula& first, const ModeFormula& second,
                                           const Lexicon& lexicon, Computation& computation);

}  // namespace deducto
