// Worlds from table rows: a row fixes which of its regions are inhabited or empty and the
// regions its individuals lie in; the world picks concrete cells for them, reusing a cell
// already inhabited where it can and otherwise the first cell (outside a predicate before
// inside it) that no empty region covers.
#include "truthtable/World.h"

#include <algorithm>

#include "truthtable/clsTruthTable.h"

namespace deducto {

namespace {

void AddLetter(std::string& letters, char letter) {
    if (letters.find(letter) == std::string::npos) letters += letter;
}

void AddLetters(std::string& letters, std::uint32_t mask) {
    for (int b = 0; b < 26; ++b) {
        if (mask & (1u << b)) AddLetter(letters, static_cast<char>('A' + b));
    }
}

// Position of a cell in the listing order of AllCells.
std::uint32_t CellOrder(Region cell, std::uint32_t predicates) {
    std::uint32_t order = 0;
    for (int b = 0; b < 26; ++b) {
        const std::uint32_t bit = 1u << b;
        if (!(predicates & bit)) continue;
        order = (order << 1) | ((cell.neg & bit) ? 1u : 0u);
    }
    return order;
}

// A cell inside `region` that no empty region covers, trying the free letters in
// ascending order, each "-" before "+". Backtracks as soon as an empty region is covered.
class CellFinder {
public:
    CellFinder(const std::vector<Region>& empties, std::uint32_t predicates)
        : empties_(empties), predicates_(predicates) {}

    [[nodiscard]] std::optional<Region> Find(Region region) const {
        if (HasContradiction(region)) return std::nullopt;
        std::vector<std::uint32_t> free;
        for (int b = 0; b < 26; ++b) {
            const std::uint32_t bit = 1u << b;
            if ((predicates_ & bit) && !(region.letters() & bit)) free.push_back(bit);
        }
        Region cell = region;
        if (Extend(cell, free, 0)) return cell;
        return std::nullopt;
    }

private:
    [[nodiscard]] bool Covered(Region partial) const {
        return std::any_of(empties_.begin(), empties_.end(), [&](Region e) {
            return (e.letters() & ~partial.letters()) == 0 && ContainsSigns(partial, e);
        });
    }

    bool Extend(Region& cell, const std::vector<std::uint32_t>& free, size_t next) const {
        if (Covered(cell)) return false;
        if (next == free.size()) return true;
        const std::uint32_t bit = free[next];
        for (const bool positive : {false, true}) {
            Region tried = cell;
            (positive ? tried.pos : tried.neg) |= bit;
            if (Extend(tried, free, next + 1)) {
                cell = tried;
                return true;
            }
        }
        return false;
    }

    const std::vector<Region>& empties_;
    std::uint32_t predicates_;
};

std::optional<World> PropositionalWorld(const clsTruthTable& table, int row,
                                        const WorldFrame& frame) {
    World world;
    world.mode = frame.mode;
    world.letters = frame.letters;
    const std::string combo = table.TruthCombo(row);
    for (const char letter : frame.letters) {
        int column = -1;
        for (int j = 0; j < table.nbrTerms(); ++j) {
            if (table.Term(j) == std::string(1, letter)) column = j;
        }
        if (column < 0) {
            world.openLetters += letter;
        } else if (combo[column] == 'T') {
            world.trueLetters += letter;
        }
    }
    return world;
}

}  // namespace

std::uint32_t WorldFrame::predicates() const {
    std::uint32_t mask = 0;
    if (mode == Mode::Propositional) return 0;
    for (const char letter : letters) mask |= LetterBit(letter);
    return mask;
}

bool World::IsInhabited(Region cell) const {
    return std::find(inhabited.begin(), inhabited.end(), cell) != inhabited.end();
}

std::optional<Region> World::CellOf(char letter) const {
    for (const Individual& individual : individuals) {
        if (individual.letter == letter) return individual.cell;
    }
    return std::nullopt;
}

std::vector<Region> AllCells(std::uint32_t predicates) {
    std::vector<std::uint32_t> bits;
    for (int b = 0; b < 26; ++b) {
        if (predicates & (1u << b)) bits.push_back(1u << b);
    }
    const int n = static_cast<int>(bits.size());
    std::vector<Region> cells;
    for (std::uint32_t order = 0; order < (1u << n); ++order) {
        Region cell;
        for (int i = 0; i < n; ++i) {
            ((order >> (n - 1 - i)) & 1u ? cell.neg : cell.pos) |= bits[i];
        }
        cells.push_back(cell);
    }
    return cells;
}

WorldFrame FrameOf(const std::vector<const clsTruthTable*>& tables, Mode mode) {
    WorldFrame frame;
    frame.mode = mode;
    for (const clsTruthTable* table : tables) {
        if (table == nullptr) continue;
        if (mode == Mode::Propositional) {
            for (int j = 0; j < table->nbrTerms(); ++j) AddLetter(frame.letters, table->Term(j)[0]);
            continue;
        }
        for (int k = 0; k < table->nbrIntTerms(); ++k) {
            AddLetters(frame.letters, table->InternalRegion(k).letters());
        }
        for (int j = 0; j < table->nbrLocTerms(); ++j) {
            AddLetter(frame.individuals, table->LocalLetter(j));
            for (int i = 0; i < table->nbrTruthCombos(); ++i) {
                AddLetters(frame.letters, table->LocalRegion(i, j).letters());
            }
        }
        for (const char letter : table->droppedIndividuals()) AddLetter(frame.individuals, letter);
    }
    std::sort(frame.letters.begin(), frame.letters.end());
    std::sort(frame.individuals.begin(), frame.individuals.end());
    return frame;
}

std::optional<World> WorldFromRow(const clsTruthTable& table, int row, const WorldFrame& frame) {
    if (frame.mode == Mode::Propositional) return PropositionalWorld(table, row, frame);
    const std::uint32_t predicates = frame.predicates();
    std::vector<Region> empties;
    std::vector<Region> needed;
    for (int k = 0; k < table.nbrIntTerms(); ++k) {
        (table.Inhabited(row, k) ? needed : empties).push_back(table.InternalRegion(k));
    }
    const CellFinder finder(empties, predicates);
    World world;
    world.mode = frame.mode;
    world.letters = frame.letters;
    // A cell for `region`: one already inhabited if it lies there, else a new one.
    const auto place = [&](Region region) -> std::optional<Region> {
        for (const Region cell : world.inhabited) {
            if (ContainsSigns(cell, region)) return cell;
        }
        const std::optional<Region> cell = finder.Find(region);
        if (cell) world.inhabited.push_back(*cell);
        return cell;
    };
    for (const char letter : frame.individuals) {
        Region region;
        for (int j = 0; j < table.nbrLocTerms(); ++j) {
            if (table.LocalLetter(j) == letter) region = table.LocalRegion(row, j);
        }
        const std::optional<Region> cell = place(region);
        if (!cell) return std::nullopt;
        world.individuals.push_back({letter, *cell});
    }
    for (const Region region : needed) {
        if (!place(region)) return std::nullopt;
    }
    std::sort(world.inhabited.begin(), world.inhabited.end(), [&](Region a, Region b) {
        return CellOrder(a, predicates) < CellOrder(b, predicates);
    });
    return world;
}

char ValueInWorld(const clsTruthTable& table, const World& world) {
    if (table.nbrTerms() == 0) return table.TruthValue(0);
    if (world.mode == Mode::Propositional) return table.TruthResultProp(world.trueLetters);
    std::vector<bool> inhabited;
    for (int k = 0; k < table.nbrIntTerms(); ++k) {
        const Region region = table.InternalRegion(k);
        inhabited.push_back(std::any_of(world.inhabited.begin(), world.inhabited.end(),
                                        [&](Region cell) { return ContainsSigns(cell, region); }));
    }
    std::vector<Region> cells;
    for (int j = 0; j < table.nbrLocTerms(); ++j) {
        const std::optional<Region> cell = world.CellOf(table.LocalLetter(j));
        if (!cell) return '\0';
        cells.push_back(*cell);
    }
    for (int i = 0; i < table.nbrTruthCombos(); ++i) {
        bool fits = true;
        for (int k = 0; k < table.nbrIntTerms() && fits; ++k) {
            fits = table.Inhabited(i, k) == inhabited[k];
        }
        for (int j = 0; j < table.nbrLocTerms() && fits; ++j) {
            fits = ContainsSigns(cells[j], table.LocalRegion(i, j));
        }
        if (fits) return table.TruthValue(i);
    }
    return '\0';
}

std::vector<int> FailingRows(const clsTruthTable& comparison) {
    std::vector<int> rows;
    for (int i = 0; i < comparison.nbrTruthCombos(); ++i) {
        if (comparison.TruthValue(i) == 'F') rows.push_back(i);
    }
    return rows;
}

}  // namespace deducto
