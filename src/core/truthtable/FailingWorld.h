// A counterexample of an argument as a world: one failing case of the comparison, drawn as
// the sparsest world in which it holds, with every line's value there. Each value read from a
// line's table is checked against the line's formula evaluated directly in the world, so a
// world that a table got wrong is never shown, in a report or in a window.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "Lines.h"
#include "Outcome.h"
#include "truthtable/World.h"

namespace deducto {

class clsTruthTable;

// One argument line as far as a world is concerned: its formula and the table built from it.
struct LineFormula {
    std::string_view PolishStr;            // without double negations, as the table was built
    const clsTruthTable* table = nullptr;  // null when the line holds no formula
};

struct FailingWorldResult {
    int cases = 0;               // the failing cases of the comparison in all
    std::optional<World> world;  // the case asked for; none when there is no such case or
                                 // the check failed
    // [k] line k's value in the world, 'T' or 'F'; '\0' for a line without a table.
    std::array<char, kLineCount> values{};
    Status status;  // InternalError, with the text to show, when the check failed
};

// Case `caseIndex` (0-based, in the order of the comparison's rows) of the argument whose lines
// are `lines` (indexed like the session's: 0 the conclusion) and whose premises and conclusion
// `comparison` compares. The premises must all be true in it and the conclusion false.
[[nodiscard]] FailingWorldResult FailingWorld(const std::array<LineFormula, kLineCount>& lines,
                                              const clsTruthTable& comparison, int caseIndex);

}  // namespace deducto
