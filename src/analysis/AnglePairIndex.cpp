#include "analysis/AnglePairIndex.h"

#include <algorithm>
#include <cmath>

namespace qor {
namespace {

constexpr std::size_t FirstCapacity = 1024;

// Cells are never narrower than this, so that the cell number of any finite angle fits its
// integer; a drive with a smaller step moves by less than 1e-7 rad in 100000 steps.
constexpr double NarrowestCell = 1e-12;

// Spreads every input bit over the whole word (the finaliser of SplitMix64): neighbouring cells
// differ only in their low bits, and the table takes the low bits of the hash.
std::uint64_t Mix(std::uint64_t h) {
    h ^= h >> 30;
    h *= 0xbf58476d1ce4e5b9u;
    h ^= h >> 27;
    h *= 0x94d049bb133111ebu;
    h ^= h >> 31;
    return h;
}

} // namespace

AnglePairIndex::Axis AnglePairIndex::Axis::ForStep(double step) {
    const double size = std::fabs(step);
    if (size == 0.0 || std::isnan(size)) {
        return {};
    }
    return {std::min(SameAngle, size / 4), 1.0 / std::max(size, NarrowestCell), true};
}

void AnglePairIndex::Axis::Follow(double angle, bool first) {
    if (apart && !first) {
        // Rounding keeps the order of differences from one angle, so angles that each step
        // beyond the tolerance one way also lie beyond it from every earlier one, as FindInCell
        // compares them. Not a number fails both tests.
        const double step = angle - latest;
        const double way = step > 0.0 ? 1.0 : -1.0;
        apart = std::fabs(step) > tolerance && (direction == 0.0 || way == direction);
        direction = way;
    }
    latest = angle;
}

AnglePairIndex::AnglePairIndex(double dFi, double dGamma)
    : fiAxis_(Axis::ForStep(dFi)), gammaAxis_(Axis::ForStep(dGamma)) {}

void AnglePairIndex::Reserve(std::size_t pairs) {
    entries_.reserve(pairs);
}

std::uint64_t AnglePairIndex::HashOf(std::int64_t fiCell, std::int64_t gammaCell) {
    return Mix(static_cast<std::uint64_t>(fiCell) * 0x9e3779b97f4a7c15u ^
               static_cast<std::uint64_t>(gammaCell));
}

std::uint64_t AnglePairIndex::HashOf(const Entry& entry) const {
    return HashOf(fiAxis_.CellOf(entry.fi), gammaAxis_.CellOf(entry.gamma));
}

int AnglePairIndex::FindInCell(std::uint64_t hash, double fi, double gamma) const {
    int first = -1;
    const std::size_t mask = slots_.size() - 1;
    const auto tag = static_cast<std::uint32_t>(hash >> 32);
    for (std::size_t i = hash & mask; slots_[i].entry != 0; i = (i + 1) & mask) {
        if (slots_[i].tag != tag) {
            continue;
        }
        const Entry& e = entries_[slots_[i].entry - 1];
        if (std::fabs(e.fi - fi) <= fiAxis_.tolerance &&
            std::fabs(e.gamma - gamma) <= gammaAxis_.tolerance && (first < 0 || e.row < first)) {
            first = e.row;
        }
    }
    return first;
}

int AnglePairIndex::FindOrAdd(double fi, double gamma, int row) {
    if (std::isnan(fi) || std::isnan(gamma)) {
        return -1;
    }
    const bool firstPair = entries_.empty();
    fiAxis_.Follow(fi, firstPair);
    gammaAxis_.Follow(gamma, firstPair);
    if (slots_.empty() && (fiAxis_.apart || gammaAxis_.apart)) {
        entries_.push_back({fi, gamma, row});
        return -1;
    }
    // At most half full, so a probe always meets a free slot; four times larger on each growth,
    // since every entry is placed again, at a place of its own in a table larger than the
    // caches, so growing seldom matters more than the room it takes.
    if (2 * (entries_.size() + 1) > slots_.size()) {
        std::size_t capacity = slots_.empty() ? FirstCapacity : 4 * slots_.size();
        while (2 * (entries_.size() + 1) > capacity) {
            capacity *= 4;
        }
        Rebuild(capacity);
    }
    // The cells that can hold an angle within tolerance: one, or two where it lies near a
    // cell's edge.
    int first = -1;
    const std::int64_t fiFirst = fiAxis_.CellOf(fi - fiAxis_.tolerance);
    const std::int64_t fiLast = fiAxis_.CellOf(fi + fiAxis_.tolerance);
    const std::int64_t gammaFirst = gammaAxis_.CellOf(gamma - gammaAxis_.tolerance);
    const std::int64_t gammaLast = gammaAxis_.CellOf(gamma + gammaAxis_.tolerance);
    for (std::int64_t f = fiFirst; f <= fiLast; ++f) {
        for (std::int64_t g = gammaFirst; g <= gammaLast; ++g) {
            const int found = FindInCell(HashOf(f, g), fi, gamma);
            if (found >= 0 && (first < 0 || found < first)) {
                first = found;
            }
        }
    }
    if (first < 0) {
        entries_.push_back({fi, gamma, row});
        // Within a single cell the pair's own cells are the ones just searched.
        const std::uint64_t hash = fiFirst == fiLast && gammaFirst == gammaLast
                                       ? HashOf(fiFirst, gammaFirst)
                                       : HashOf(entries_.back());
        Place(hash, static_cast<std::uint32_t>(entries_.size()));
    }
    return first;
}

void AnglePairIndex::Prefetch(double fi, double gamma) const {
    if (!slots_.empty() && !std::isnan(fi) && !std::isnan(gamma)) {
        const std::uint64_t hash = HashOf(fiAxis_.CellOf(fi), gammaAxis_.CellOf(gamma));
        __builtin_prefetch(&slots_[hash & (slots_.size() - 1)]);
    }
}

void AnglePairIndex::Place(std::uint64_t hash, std::uint32_t entry) {
    const std::size_t mask = slots_.size() - 1;
    std::size_t i = hash & mask;
    while (slots_[i].entry != 0) {
        i = (i + 1) & mask;
    }
    slots_[i] = {entry, static_cast<std::uint32_t>(hash >> 32)};
}

void AnglePairIndex::Rebuild(std::size_t capacity) {
    slots_.assign(capacity, Slot{});
    // The place of an entry a few ahead is fetched while this one is placed.
    constexpr std::size_t ahead = 8;
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t e = 0; e < entries_.size(); ++e) {
        if (e + ahead < entries_.size()) {
            __builtin_prefetch(&slots_[HashOf(entries_[e + ahead]) & mask]);
        }
        Place(HashOf(entries_[e]), static_cast<std::uint32_t>(e + 1));
    }
}

} // namespace qor
