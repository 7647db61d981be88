// One case of an argument as a small world that can be drawn: in propositional mode the
// value of every letter, in the predicate modes which regions of the domain hold something
// and where each individual lies. A case of a table (one row) only says what matters to
// that table; its world fills in the rest as sparsely as it can, inhabiting a region only
// when the row or an individual needs it.
//
// Cells are the smallest regions: a Region that gives every predicate of the argument a
// sign. A world lists its inhabited cells; every other cell is empty.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "Mode.h"
#include "truthtable/Region.h"

namespace deducto {

class clsTruthTable;

// The letters a world of the argument speaks of, gathered from the argument's tables.
struct WorldFrame {
    Mode mode = Mode::Propositional;
    std::string letters;      // propositional letters, or predicate letters; ascending
    std::string individuals;  // predicate modes: individuals and free variables; ascending
    [[nodiscard]] std::uint32_t predicates() const;  // the predicate letters as a mask
};

struct Individual {
    char letter = 0;
    Region cell;
};

struct World {
    Mode mode = Mode::Propositional;
    std::string letters;            // as in the frame
    std::string trueLetters;        // propositional: the letters that are true, ascending
    std::string openLetters;        // propositional: letters the case leaves open (taken as false)
    std::vector<Region> inhabited;  // predicate modes: inhabited cells, ascending
    std::vector<Individual> individuals;  // ascending by letter

    [[nodiscard]] bool IsInhabited(Region cell) const;
    // The cell of an individual; nullopt when the world has no such individual.
    [[nodiscard]] std::optional<Region> CellOf(char letter) const;
};

// Every cell over the frame's predicates, in the order they are listed: all signs "+"
// first, the last letter changing fastest. Meant for the few predicates that are drawn.
[[nodiscard]] std::vector<Region> AllCells(std::uint32_t predicates);

// The terms of `tables` (any of them may be null) together.
[[nodiscard]] WorldFrame FrameOf(const std::vector<const clsTruthTable*>& tables, Mode mode);

// The sparsest world over `frame` in which row `row` of `table` holds. nullopt when no world
// fits, which a row of a built table never does.
[[nodiscard]] std::optional<World> WorldFromRow(const clsTruthTable& table, int row,
                                                const WorldFrame& frame);

// The value of `table` in `world`, read from the table's rows; '\0' when no row fits.
[[nodiscard]] char ValueInWorld(const clsTruthTable& table, const World& world);

// The rows whose value is 'F', in order: the failing cases of a comparison.
[[nodiscard]] std::vector<int> FailingRows(const clsTruthTable& comparison);

}  // namespace deducto
