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
// end pushed the few near the root out of the table.) A second move per entry, the best one before
// the last, tried second, visited 3% more nodes on FFO #40-#44 and 13-16% more on played positions;
// exact counts weighed by the nodes below them instead of their empty squares changed nothing; four
// entries a bucket over two cache lines visited 3% fewer nodes on #40-#44 and 7% fewer on #45-#49,
// but the second line per look-up made #40-#44 3% slower. Also measured and left out: positions with
// up to 7, 8 or 9 empty squares in a table of their own (2 MB to stay in the caches, up to 64 MB)
// visited 14%, 20% and 26% more nodes on #40-#44 whatever its size (which entries survive changes
// the orderings) and took longer; keys that give the discs no move can reach (their four lines full)
// to the side to move, values shifted by what that changes, so that transpositions differing only
// there share an entry (up to 9 empty squares): 1.5% fewer nodes on played positions of 20 empty
// squares, 1% more at 22, 2% more on #40-#44, and slower. Entries of 16 bytes, four to a line, each
// with a 63-bit signature of its position in place of both masks, in 32 MB (the entries 64 MB holds
// now): 154 million nodes on #40-#44 against 156 and 5-13% faster there, but #45-#49 (1,460
// million against 1,443, 63.9 s against 63.7) and the played positions of 20 and 22 squares (611
// million against 603, 22.2 s against 22.1) no faster, for hits no longer sure to be the position.
// The buckets in 2 MB pages (madvise for transparent huge pages, granted here): the same nodes, 6.44 s
// against 6.54 on #40-#44, within the noise.
//
// The buckets are allocated zero-filled and the system hands out the zeroed memory as it is first
// touched, so a large table costs nothing until searches use it (filling 64 MB took a quick solve
// most of its time). An entry is in use when it holds a position: a position always has discs.
#include "engine/Position.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

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

struct alignas(64) TableBucket {
    TableEntry entries[2];
};
static_assert(sizeof(TableBucket) == 64, "a bucket is one cache line");

class TranspositionTable {
public:
    explicit TranspositionTable(std::size_t megabytes);
    // A table of exactly `buckets` buckets (a power of two), where positions must share them.
    static TranspositionTable withBuckets(std::size_t buckets);

    // The entry for `position`, or nullptr.
    const TableEntry* find(const Position& position) const;
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

    struct FreeMemory {
        void operator()(void* memory) const { std::free(memory); }
    };
    std::unique_ptr<void, FreeMemory> m_memory; // from calloc: the buckets and a cache line to align them
    TableBucket* m_buckets = nullptr;           // within m_memory, on a cache line's start
    std::size_t m_bucketCount = 0;              // a power of two
    std::uint8_t m_generation = 0;
};

} // namespace engine
