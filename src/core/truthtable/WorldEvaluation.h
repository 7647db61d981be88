// A formula's value in one world, worked out from the formula itself: quantifiers range
// over the inhabited cells, a predicate is true of an individual when its cell has it.
// This reads no truth table, so it checks the worlds that are read from tables.
#pragma once

#include <string_view>

#include "Mode.h"
#include "truthtable/World.h"

namespace deducto {

// 'T' or 'F'; '\0' when the Polish string is malformed or names an individual the world
// does not place.
[[nodiscard]] char EvaluateInWorld(std::string_view PolishStr, Mode mode, const World& world);

}  // namespace deducto
