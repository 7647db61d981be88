// A set of row numbers keyed by the rows' contents: open addressing over (hash, row)
// slots, so finding equal rows costs no allocation per row. The caller supplies the hash
// of a key and a test that compares a stored row with it.
#pragma once

#include <bit>
#include <cstdint>
#include <vector>

#include "truthtable/Region.h"

namespace deducto {

// Mixes one more word into a running hash (splitmix64 finaliser).
inline std::uint64_t HashMix(std::uint64_t h, std::uint64_t word) {
    std::uint64_t z = h ^ (word + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2));
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

inline std::uint64_t HashMix(std::uint64_t h, Region r) {
    return HashMix(h, (static_cast<std::uint64_t>(r.pos) << 32) | r.neg);
}

// Slots are eight bytes (a set over the largest table, 16384 rows, takes 512 KiB at most
// half full): lookups into it come in no order, so the smaller it is, the fewer of them
// miss the cache.
class RowSet {
public:
    void Reset(int expectedRows) {
        const size_t capacity = std::bit_ceil(static_cast<size_t>(expectedRows) * 2 + 2);
        slots_.assign(capacity, Slot{});
        mask_ = capacity - 1;
    }

    // The stored row equal to the key, or -1.
    template <typename Equal>
    int Find(std::uint64_t hash, Equal&& equal) const {
        const auto tag = Tag(hash);
        for (size_t i = hash & mask_;; i = (i + 1) & mask_) {
            const Slot& s = slots_[i];
            if (s.row < 0) return -1;
            if (s.tag == tag && equal(s.row)) return s.row;
        }
    }

    // Stores `row` under the key unless an equal row is there; returns that row, or -1.
    template <typename Equal>
    int FindOrInsert(std::uint64_t hash, int row, Equal&& equal) {
        const auto tag = Tag(hash);
        for (size_t i = hash & mask_;; i = (i + 1) & mask_) {
            Slot& s = slots_[i];
            if (s.row < 0) {
                s = Slot{tag, row};
                return -1;
            }
            if (s.tag == tag && equal(s.row)) return s.row;
        }
    }

    [[nodiscard]] bool empty() const { return slots_.empty(); }
    void clear() { slots_.clear(); }

private:
    // The hash's high half: the low one already picks the slot.
    static std::uint32_t Tag(std::uint64_t hash) { return static_cast<std::uint32_t>(hash >> 32); }

    struct Slot {
        std::uint32_t tag = 0;
        std::int32_t row = -1;
    };
    std::vector<Slot> slots_;
    size_t mask_ = 0;
};

}  // namespace deducto
