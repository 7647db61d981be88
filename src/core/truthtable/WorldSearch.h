// The possible worlds over a predicate table's terms, in row order.
//
// A world flags every internal term (a region) inhabited or empty and places every local
// term (an individual) in one of its candidate regions. It is impossible when an inhabited
// region, or an individual's region, cannot hold anything once the empty regions are
// emptied, or when an individual's region is contradictory. Worlds are enumerated with the
// flag patterns counting down from all-inhabited (first internal term slowest) and the
// individuals' candidates in order (last individual fastest).
//
// A flag pattern whose first k flags are already impossible stays impossible whatever
// follows (more empty regions only add constraints), so the search prunes whole subtrees;
// each inhabited region keeps a witness assignment, so emptying another region re-checks
// only the regions whose witness it removes, starting from that witness. The work is linear in the
// rows produced.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "Outcome.h"
#include "truthtable/Region.h"
#include "truthtable/RegionList.h"

namespace deducto {

class Computation;

// True when region r still holds a possible individual after every region in `empties`
// is emptied; `witness` receives an assignment of letters that shows it.
[[nodiscard]] bool Satisfiable(Region r, std::span<const Region> empties, Region* witness);

// The limits a table's worlds must keep, checked in the order they are reported: the
// number of internal terms, the pairs of any candidate region, and the rows. With every
// region inhabited each combination of candidates is a possible world, so the product of
// the candidate counts is a lower bound on the rows, known before any world is built.
[[nodiscard]] Status CheckWorldLimits(int internalTerms,
                                      const std::vector<CandidateSummary>& locals);

struct WorldRows {
    std::vector<std::uint32_t> flags;  // per row; internal term k is bit (n - 1 - k)
    std::vector<Region> cells;         // per row, one region per local term
    int count = 0;
};

class WorldSearch {
public:
    // `candidates` holds, per local term, its regions in order. With `individualNamed`,
    // worlds that cannot hold any individual at all are impossible too: the argument
    // names an individual whose column is gone.
    WorldSearch(const std::vector<Region>& internal,
                const std::vector<std::vector<Region>>& candidates, bool individualNamed);

    // Fills `out`. Publishes progress per flag pattern and polls CheckCancel.
    [[nodiscard]] Status Run(Computation& work, WorldRows& out);

private:
    struct Inhabited {
        int term;
        Region witness;
        bool checked;  // false while no region is empty: nothing to check against yet
    };

    [[nodiscard]] Status Visit(int k);
    [[nodiscard]] Status EmitPattern();
    [[nodiscard]] bool InhabitedStillPossible(Region emptied, bool firstEmpty);
    [[nodiscard]] Status Skip(int k);

    const std::vector<Region>& internal_;
    const std::vector<std::vector<Region>>& candidates_;
    bool individualNamed_;
    int n_;

    Computation* work_ = nullptr;
    WorldRows* out_ = nullptr;
    std::uint32_t flags_ = 0;
    std::vector<Region> empties_;
    std::vector<Inhabited> inhabited_;
    struct Undo {
        size_t index;
        Inhabited before;
    };
    std::vector<Undo> undo_;                          // witnesses changed below the current node
    std::vector<std::optional<Region>> lastWitness_;  // per internal term
    std::vector<std::vector<Region>> allowed_;        // per local term, at the current pattern
    std::vector<int> cursor_;
};

}  // namespace deducto
