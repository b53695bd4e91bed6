// Remembers the pairs of driven angles a drive has passed through, so that the first pair to come
// round again is found in constant time per step.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace qor {

// A hash table from a pair (Fi, Gamma) to the row where the drive first passed through it.
//
// After a wrap a driven angle restarts from exactly 0 and repeats its earlier values bit for
// bit. An angle that crossed 0 before its first wrap, though, carries the rounding of the steps
// that brought it there (30 degrees less 30 steps of 1 degree leaves about -2.6e-16 rad), so the
// positions of a lead-in and the cycle they lead into may differ in their last bits. Two angles
// therefore count as the same when they lie within SameAngle of each other, or within a quarter
// of the link's step if that is smaller, so that neighbouring positions never merge. An angle
// that does not move (step 0) must match exactly. A pair holding NaN equals nothing and is never
// recorded.
//
// As long as one coordinate of the pairs recorded has moved the same way by more than its
// tolerance on every step (a driven link before its first wrap), no pair can equal an earlier
// one: those pairs are only kept, and filed in the table when that no longer holds. A drive
// that never comes round within its limit never builds the table.
class AnglePairIndex {
public:
    // Far below anything the read-outs show (about 6e-8 degrees) and far above the rounding a
    // drive of 100000 steps can gather (under 1e-10 rad).
    static constexpr double SameAngle = 1e-9;

    // An index for the angles of a drive that steps Fi by dFi and Gamma by dGamma (radians).
    AnglePairIndex(double dFi, double dGamma);

    // The first row recorded for a pair that counts as this one; if there is none, records `row`
    // for it and returns -1.
    int FindOrAdd(double fi, double gamma, int row);

    // Asks the processor to fetch the part of the table where FindOrAdd will look for this pair,
    // so that the lookup need not wait for memory if it is made a little later. Changes nothing.
    void Prefetch(double fi, double gamma) const;

    // Makes room for this many pairs at once, so that recording them never copies the earlier
    // ones; the room a drive does not use is never touched.
    void Reserve(std::size_t pairs);

    std::size_t size() const { return entries_.size(); }

private:
    // How one coordinate is compared and bucketed: a pair is filed under the cells
    // floor(angle / width + 1/2) of its two angles, and a cell is at least four tolerances wide, so
    // the angles within tolerance of a given one lie in at most two neighbouring cells.
    struct Axis {
        double tolerance = 0.0;
        double cellsPerRadian = 1.0; // 1 / width
        // Whether every angle so far lies beyond the tolerance from the one before, all on the
        // same side (direction: +1 or -1, 0 before the second angle); never for a still link.
        bool apart = false;
        double direction = 0.0;
        double latest = 0.0;

        static Axis ForStep(double step);

        // Takes the next angle into `apart`.
        void Follow(double angle, bool first);

        // Multiplying by a positive number, adding and rounding down all keep the order of
        // angles, so an angle between two others never falls outside their cells. The half cell
        // puts the angles a drive passes from 0 in the middle of their cells, where one cell
        // holds everything within tolerance. Defined here so that the lookups, made several
        // times per step, inline it.
        std::int64_t CellOf(double angle) const {
            // Cell numbers stay within this, which also holds the infinities.
            constexpr double limit = 4.0e18;
            const double cell = std::floor(angle * cellsPerRadian + 0.5);
            return static_cast<std::int64_t>(std::clamp(cell, -limit, limit));
        }
    };

    struct Entry {
        double fi;
        double gamma;
        int row;
    };

    // The table holds only where each pair is and part of its cells' hash, so that it stays
    // small enough for the processor's caches: a drive looks up a new place on every step.
    // Whether two pairs are the same is decided by their angles.
    struct Slot {
        std::uint32_t entry = 0; // 1 + the index into entries_; 0: the slot is free
        std::uint32_t tag = 0;   // the high half of the cells' hash
    };

    static std::uint64_t HashOf(std::int64_t fiCell, std::int64_t gammaCell);
    int FindInCell(std::uint64_t hash, double fi, double gamma) const;
    void Place(std::uint64_t hash, std::uint32_t entry);
    std::uint64_t HashOf(const Entry& entry) const;
    // Files every pair kept in a new table of this many slots.
    void Rebuild(std::size_t capacity);

    Axis fiAxis_;
    Axis gammaAxis_;
    std::vector<Entry> entries_; // in the order they were recorded
    std::vector<Slot> slots_;    // empty while the pairs are only kept
};

} // namespace qor
