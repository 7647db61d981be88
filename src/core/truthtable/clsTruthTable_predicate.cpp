// Predicate tables: combining two tables, the existential quantifier, and finding one
// table's row for a world of another.
//
// Within one table every region of a local term speaks of the same letters, and the rows
// are exactly the possible worlds over the table's terms. So in any possible world of a
// larger table, the one row of this table that agrees with it is the row whose flags equal
// the world's flags for the same regions and whose individuals lie in the world's regions
// restricted to this table's letters: a hash lookup. The literal containment scan stays as
// the fallback for anything else.
#include <algorithm>

#include "Progress.h"
#include "formula/Operators.h"
#include "truthtable/RegionList.h"
#include "truthtable/WorldSearch.h"
#include "truthtable/clsTruthTable.h"

namespace deducto {

namespace {

constexpr const char* kNoRowMessage = "Impossible error 992";

}  // namespace

void clsTruthTable::SetPredicateTerms(std::vector<Region> internal, std::string localLetters) {
    SortRegions(internal);
    std::sort(localLetters.begin(), localLetters.end());
    internal_ = std::move(internal);
    locals_.clear();
    for (char letter : localLetters) locals_.push_back(LocalTerm{letter, 0});
    RebuildTermNames();
}

std::vector<Region> clsTruthTable::ColumnRegions(char letter) const {
    RegionSet regions;
    for (size_t j = 0; j < locals_.size(); ++j) {
        if (locals_[j].letter != letter) continue;
        for (int i = 0; i < nbrTruthCombos(); ++i) regions.Add(LocalRegion(i, static_cast<int>(j)));
    }
    return std::move(regions).Sorted();
}

Status clsTruthTable::BuildWorlds(const std::vector<std::vector<Region>>& candidates,
                                  Computation& work) {
    std::vector<CandidateSummary> summaries;
    for (const std::vector<Region>& list : candidates) {
        CandidateSummary summary{static_cast<long long>(list.size()), 0};
        for (Region r : list) summary.maxPairs = std::max(summary.maxPairs, r.pairCount());
        summaries.push_back(summary);
    }
    Status status = CheckWorldLimits(nbrIntTerms(), summaries);
    if (!status.ok()) return status;
    for (size_t j = 0; j < locals_.size(); ++j) {
        for (Region r : candidates[j]) locals_[j].letters |= r.letters();
    }
    WorldRows rows;
    WorldSearch search(internal_, candidates, !dropped_.empty());
    status = search.Run(work, rows);
    if (!status.ok()) return status;
    flags_ = std::move(rows.flags);
    cells_ = std::move(rows.cells);
    values_.assign(flags_.size(), '\0');
    return {};
}

clsTruthTable::WorldMap clsTruthTable::MapInto(const clsTruthTable& world,
                                               char placedLetter) const {
    WorldMap map;
    for (Region r : internal_) {
        const auto at = std::find(world.internal_.begin(), world.internal_.end(), r);
        map.internal.push_back(
            at == world.internal_.end() ? -1 : static_cast<int>(at - world.internal_.begin()));
    }
    for (const LocalTerm& term : locals_) {
        if (term.letter == placedLetter) {
            map.local.push_back(-1);
            continue;
        }
        const auto at = std::find_if(world.locals_.begin(), world.locals_.end(),
                                     [&](const LocalTerm& w) { return w.letter == term.letter; });
        map.local.push_back(
            at == world.locals_.end() ? -2 : static_cast<int>(at - world.locals_.begin()));
    }
    return map;
}

std::uint64_t clsTruthTable::RowHash(int row) const {
    std::uint64_t h = HashMix(0, flags_[row]);
    for (size_t j = 0; j < locals_.size(); ++j) h = HashMix(h, cells_[row * locals_.size() + j]);
    return h;
}

int clsTruthTable::FindRowByKey(const clsTruthTable& world, int row, const WorldMap& map) const {
    const size_t nLoc = locals_.size();
    const int n = nbrIntTerms();
    std::uint32_t flags = 0;
    for (int k = 0; k < n; ++k) {
        if (map.internal[k] < 0) return -1;
        if (world.Inhabited(row, map.internal[k])) flags |= 1u << (n - 1 - k);
    }
    if (RowsKeyedByFlags()) {
        if (rowByFlags_.empty()) {
            rowByFlags_.assign(size_t{1} << n, -1);
            for (int i = nbrTruthCombos() - 1; i >= 0; --i) rowByFlags_[flags_[i]] = i;
        }
        return rowByFlags_[flags];
    }
    if (rowIndex_.empty()) {
        rowIndex_.Reset(nbrTruthCombos());
        for (int i = 0; i < nbrTruthCombos(); ++i) {
            const Region* cells = nLoc ? &cells_[i * nLoc] : nullptr;
            (void)rowIndex_.FindOrInsert(RowHash(i), i, [&](int other) {
                return flags_[other] == flags_[i] &&
                       std::equal(cells, cells + nLoc, cells_.begin() + other * nLoc);
            });
        }
    }
    keyScratch_.resize(nLoc);
    std::uint64_t hash = HashMix(0, flags);
    for (size_t j = 0; j < nLoc; ++j) {
        const int at = map.local[j];
        if (at == -2) return -1;
        keyScratch_[j] =
            Restrict(at == -1 ? map.placed : world.LocalRegion(row, at), locals_[j].letters);
        hash = HashMix(hash, keyScratch_[j]);
    }
    return rowIndex_.Find(hash, [&](int candidate) {
        return flags_[candidate] == flags && std::equal(keyScratch_.begin(), keyScratch_.end(),
                                                        cells_.begin() + candidate * nLoc);
    });
}

int clsTruthTable::FindRowScanning(const clsTruthTable& world, int row, const WorldMap& map) const {
    for (int i = 0; i < nbrTruthCombos(); ++i) {
        bool matches = true;
        for (int k = 0; k < nbrIntTerms() && matches; ++k) {
            const bool inhabited = Inhabited(i, k);
            matches = false;
            for (int w = 0; w < world.nbrIntTerms() && !matches; ++w) {
                if (world.Inhabited(row, w) != inhabited) continue;
                matches = inhabited ? ContainsSigns(world.internal_[w], internal_[k])
                                    : ContainsSigns(internal_[k], world.internal_[w]);
            }
        }
        for (int j = 0; j < nbrLocTerms() && matches; ++j) {
            const int at = map.local[j];
            if (at == -2) return -1;
            const Region individual = at == -1 ? map.placed : world.LocalRegion(row, at);
            matches = ContainsSigns(individual, LocalRegion(i, j));
        }
        if (matches) return i;
    }
    return -1;
}

char clsTruthTable::ValueInWorld(const clsTruthTable& world, int row, const WorldMap& map) const {
    if (nbrTerms() == 0) return values_[0];
    int found = FindRowByKey(world, row, map);
    if (found < 0) found = FindRowScanning(world, row, map);
    return found < 0 ? '\0' : values_[found];
}

std::string clsTruthTable::ValuesInRowsOf(const clsTruthTable& world) const {
    std::string values(static_cast<size_t>(world.nbrTruthCombos()), '\0');
    const WorldMap map = MapInto(world, '\0');
    for (int i = 0; i < world.nbrTruthCombos(); ++i) values[i] = ValueInWorld(world, i, map);
    return values;
}

Status clsTruthTable::CombinePredicate(const clsTruthTable& t1, const clsTruthTable& t2, char op,
                                       bool requireAntecedent, Computation& work) {
    *this = clsTruthTable(mode_);
    std::vector<Region> internal = t1.internal_;
    internal.insert(internal.end(), t2.internal_.begin(), t2.internal_.end());
    std::string letters;
    for (const LocalTerm& t : t1.locals_) letters += t.letter;
    for (const LocalTerm& t : t2.locals_) {
        if (letters.find(t.letter) == std::string::npos) letters += t.letter;
    }
    SetPredicateTerms(std::move(internal), letters);
    for (char c : t1.dropped_ + t2.dropped_) {
        if (letters.find(c) == std::string::npos && dropped_.find(c) == std::string::npos) {
            dropped_ += c;
        }
    }

    Progress& progress = work.progress;
    if (progress.step == Step::ComparingPremisesConclusion) {
        progress.step = Step::BuildingCombinations;
    }

    // The regions each individual may take: its regions in both operands, merged. The
    // limits are checked on their counts, before any of them is built.
    std::vector<RegionMerge> merges;
    std::vector<CandidateSummary> summaries;
    for (const LocalTerm& local : locals_) {
        merges.emplace_back(t1.ColumnRegions(local.letter), t2.ColumnRegions(local.letter));
        summaries.push_back(merges.back().summary());
    }
    Status status = CheckWorldLimits(nbrIntTerms(), summaries);
    if (!status.ok()) return status;
    std::vector<std::vector<Region>> candidates;
    for (const RegionMerge& merge : merges) {
        candidates.push_back(merge.Regions());
        if (work.CheckCancel()) return Status::Cancelled();
    }
    status = BuildWorlds(candidates, work);
    if (!status.ok()) return status;
    if (work.CheckCancel()) return Status::Cancelled();

    if (progress.step == Step::BuildingCombinations) {
        progress.step = Step::EvaluatingCombinations;
        progress.progressCurrent = 0;
        progress.progressTotal = nbrTruthCombos();
    }
    const WorldMap map1 = t1.MapInto(*this, '\0');
    const WorldMap map2 = t2.MapInto(*this, '\0');
    for (int i = 0; i < nbrTruthCombos(); ++i) {
        if (work.CheckCancel()) return Status::Cancelled();
        progress.progressCurrent = i + 1;
        const char a = t1.ValueInWorld(*this, i, map1);
        if (a == '\0') return Status::Internal(kNoRowMessage);
        if (a == 'F' && requireAntecedent) {
            values_[i] = '-';
            continue;
        }
        // The second operand is consulted only when the first does not decide.
        if (op::FirstDecides(a, op)) {
            values_[i] = op::BinaryTruth(a, '\0', op);
            continue;
        }
        const char b = t2.ValueInWorld(*this, i, map2);
        if (b == '\0') return Status::Internal(kNoRowMessage);
        values_[i] = op::BinaryTruth(a, b, op);
    }
    return {};
}

Status clsTruthTable::generateExists(const clsTruthTable& truthTable1, char variable,
                                     Computation& work) {
    *this = clsTruthTable(mode_);
    int bound = -1;
    for (int l = 0; l < truthTable1.nbrLocTerms(); ++l) {
        if (truthTable1.locals_[l].letter == variable) bound = l;
    }

    // The regions the bound variable takes, and those in which the body can be true: each
    // of the latter becomes an internal term ("something lies there").
    RegionSet placed;
    std::vector<Region> internal = truthTable1.internal_;
    if (bound >= 0) {
        RegionSet inhabited;
        for (int i = 0; i < truthTable1.nbrTruthCombos(); ++i) {
            const Region r = truthTable1.LocalRegion(i, bound);
            placed.Add(r);
            if (truthTable1.values_[i] == 'T') inhabited.Add(r);
        }
        const std::vector<Region> regions = std::move(inhabited).Sorted();
        internal.insert(internal.end(), regions.begin(), regions.end());
    }
    const std::vector<Region> placements = std::move(placed).Sorted();
    std::string letters;
    for (const LocalTerm& t : truthTable1.locals_) {
        if (t.letter != variable) letters += t.letter;
    }
    SetPredicateTerms(std::move(internal), letters);
    for (char c : truthTable1.dropped_) {
        if (c != variable) dropped_ += c;
    }

    std::vector<std::vector<Region>> candidates;
    for (const LocalTerm& local : locals_) {
        candidates.push_back(truthTable1.ColumnRegions(local.letter));
    }
    Status status = BuildWorlds(candidates, work);
    if (!status.ok()) return status;
    if (work.CheckCancel()) return Status::Cancelled();

    WorldMap map = truthTable1.MapInto(*this, bound >= 0 ? variable : '\0');
    std::vector<int> placementTerm;  // the internal term of each placement, or -1
    for (Region r : placements) {
        const auto at = std::lower_bound(internal_.begin(), internal_.end(), r, RegionLess);
        placementTerm.push_back(
            at == internal_.end() || !(*at == r) ? -1 : static_cast<int>(at - internal_.begin()));
    }
    for (int i = 0; i < nbrTruthCombos(); ++i) {
        if (work.CheckCancel()) return Status::Cancelled();
        if (bound < 0) {
            values_[i] = truthTable1.ValueInWorld(*this, i, map);
            if (values_[i] == '\0') return Status::Internal(kNoRowMessage);
            continue;
        }
        // True when placing the variable in some inhabited region makes the body true.
        values_[i] = 'F';
        for (size_t p = 0; p < placements.size(); ++p) {
            if (placementTerm[p] < 0 || !Inhabited(i, placementTerm[p])) continue;
            map.placed = placements[p];
            const char value = truthTable1.ValueInWorld(*this, i, map);
            if (value == '\0') return Status::Internal(kNoRowMessage);
            if (value == 'T') {
                values_[i] = 'T';
                break;
            }
        }
    }
    return {};
}

}  // namespace deducto
