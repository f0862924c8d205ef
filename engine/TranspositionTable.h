#pragma once
// The transposition table: what earlier searches learnt about positions, in a fixed number of
// entries allocated once.
//
// Entries come in buckets of two, found by a hash of the two masks; a bucket fills one 64-byte cache
// line (aligned to it), so that a look-up, which most often misses the caches in a large table,
// waits for one line from memory instead of two. Each entry keeps both masks,
// so a hit is always the very position (no false hits). Values are in evaluation units, as a
// lower and an upper bound: lower == upper is an exact value, and lower <= upper always holds.
// `depth` is how deep the search below was, ExactDepth for a result counted to the end of the game
// (SelectiveDepth when a selective count's shallow searches cut some of it short).
// Within a bucket, the first entry keeps the costliest result (the deepest search, or the exact
// count over the most empty squares; older searches' entries give way first), the second takes
// whatever the first did not. (When every exact count weighed the same, the many counts near the
// end pushed the few near the root out of the table.) Other layouts tried: docs/engine-notes.md.
//
// The buckets are allocated zero-filled and the system hands out the zeroed memory as it is first
// touched, so a large table costs nothing until searches use it. An entry is in use when it holds a
// position: a position always has discs.
//
// Several threads may search with one table at once, without locks: an entry is kept as three
// words, each written and read whole (relaxed atomics, plain moves on the machine), the two masks
// each XORed with the word of values. A read that meets two stores' words half and half decodes to
// another position and is a miss, so no thread ever takes one position's values for another's. Two
// stores racing on one bucket may lose one of them: a table may forget, never mislead.
#include "engine/Position.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>

namespace engine {

constexpr int ExactDepth = 127;
// A result searched to the end of the game but with some positions judged by a shallow search:
// not exact, yet closer than any midgame search.
constexpr int SelectiveDepth = ExactDepth - 1;

struct TableEntry {
    Bits player = 0;
    Bits opponent = 0;
    std::int16_t lower = 0;
    std::int16_t upper = 0;
    std::int8_t depth = 0;
    std::int8_t move = -1;  // best move found, -1 none
    std::uint8_t generation = 0;
    std::uint8_t work = 0; // what the entry cost: its depth, or its empty squares when counted

    bool inUse() const { return (player | opponent) != 0; }
};

// An entry as the table keeps it: the masks XORed with the values' word, then that word.
struct StoredEntry {
    Bits words[3];
};

struct alignas(64) TableBucket {
    StoredEntry entries[2];
};
static_assert(sizeof(TableBucket) == 64, "a bucket is one cache line");

class TranspositionTable {
public:
    explicit TranspositionTable(std::size_t megabytes);
    // A table of exactly `buckets` buckets (a power of two), where positions must share them.
    static TranspositionTable withBuckets(std::size_t buckets);

    // The entry for `position`, if the table holds one.
    std::optional<TableEntry> find(const Position& position) const;
    // Starts loading the bucket of `position` into the caches, for a find() soon after.
    void prefetch(const Position& position) const { __builtin_prefetch(&m_buckets[bucketOf(position)]); }
    // Records that the position's value searched `depth` deep with window (alpha, beta) was `value`.
    void store(const Position& position, int depth, int alpha, int beta, int value, int move);
    // A new search starts: older entries give way first.
    void nextGeneration() { ++m_generation; }
    void clear();
    std::size_t entries() const { return 2 * m_bucketCount; }

private:
    std::size_t bucketOf(const Position& position) const
    {
        Bits h = position.player * 0x9e3779b97f4a7c15ULL;
        h ^= (position.opponent + (h >> 29)) * 0xbf58476d1ce4e5b9ULL;
        h ^= h >> 31;
        // Bit 0 stays out, as it did when buckets were pairs of entries: the same buckets keep the
        // same searches (and node counts).
        return static_cast<std::size_t>(h >> 1) & (m_bucketCount - 1);
    }
    // Replaces the buckets by `count` zero-filled ones.
    void allocate(std::size_t count);
    static TableEntry load(const StoredEntry& stored);
    static void save(StoredEntry& stored, const TableEntry& entry);

    struct FreeMemory {
        void operator()(void* memory) const { std::free(memory); }
    };
    std::unique_ptr<void, FreeMemory> m_memory; // from calloc: the buckets and a cache line to align them
    TableBucket* m_buckets = nullptr;           // within m_memory, on a cache line's start
    std::size_t m_bucketCount = 0;              // a power of two
    std::uint8_t m_generation = 0;
};

} // namespace engine
