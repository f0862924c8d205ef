#include "engine/TranspositionTable.h"

#include "engine/Score.h"

#include <algorithm>
#include <cassert>
#include <cstdint>
#include <cstring>
#include <new>

namespace engine {

TranspositionTable::TranspositionTable(std::size_t megabytes)
{
    const std::size_t wanted = std::max<std::size_t>(megabytes, 1) * 1024 * 1024 / sizeof(TableBucket);
    std::size_t size = 1;
    while (size * 2 <= wanted)
        size *= 2;
    allocate(size);
}

void TranspositionTable::allocate(std::size_t count)
{
    m_memory.reset(); // the old buckets go before the new ones are asked for
    m_memory.reset(std::calloc(count + 1, sizeof(TableBucket)));
    if (!m_memory)
        throw std::bad_alloc();
    const auto address = reinterpret_cast<std::uintptr_t>(m_memory.get());
    const std::uintptr_t aligned = (address + alignof(TableBucket) - 1) & ~std::uintptr_t(alignof(TableBucket) - 1);
    m_buckets = reinterpret_cast<TableBucket*>(aligned);
    m_bucketCount = count;
}

TranspositionTable TranspositionTable::withBuckets(std::size_t buckets)
{
    assert(buckets > 0 && (buckets & (buckets - 1)) == 0);
    TranspositionTable table(1);
    table.allocate(buckets);
    return table;
}

const TableEntry* TranspositionTable::find(const Position& position) const
{
    const TableEntry* bucket = m_buckets[bucketOf(position)].entries;
    for (int i = 0; i < 2; ++i) {
        if (bucket[i].inUse() && bucket[i].player == position.player && bucket[i].opponent == position.opponent) {
            assert(bucket[i].lower <= bucket[i].upper);
            return &bucket[i];
        }
    }
    return nullptr;
}

void TranspositionTable::store(const Position& position, int depth, int alpha, int beta, int value, int move)
{
    assert(alpha < beta && depth >= 0 && depth <= ExactDepth && value > -Infinity && value < Infinity);
    assert((position.player | position.opponent) != 0); // an empty board would read as an unused entry
    assert(move < 0 || ((position.player | position.opponent) & bitOf(move)) == 0);
    // An exact count's worth grows with the empty squares it covered, a midgame search's with its depth.
    const int work = depth >= SelectiveDepth ? 64 - popCount(position.player | position.opponent) : depth;
    TableEntry* bucket = m_buckets[bucketOf(position)].entries;
    TableEntry* slot = nullptr;
    for (int i = 0; i < 2 && !slot; ++i) {
        if (bucket[i].inUse() && bucket[i].player == position.player && bucket[i].opponent == position.opponent)
            slot = &bucket[i];
    }
    const bool samePosition = slot != nullptr;
    if (!slot) {
        const bool firstGivesWay = !bucket[0].inUse() || bucket[0].generation != m_generation || bucket[0].work <= work;
        slot = firstGivesWay ? &bucket[0] : &bucket[1];
        if (firstGivesWay && bucket[0].inUse())
            bucket[1] = bucket[0]; // the displaced entry moves to the always-replaced slot
    }

    int lower = value > alpha ? value : -Infinity; // a fail low only bounds from above
    int upper = value < beta ? value : Infinity;   // a fail high only bounds from below
    if (samePosition && slot->depth == depth) {
        // Same depth: keep what both searches proved.
        lower = std::max<int>(lower, slot->lower);
        upper = std::min<int>(upper, slot->upper);
        if (lower > upper) // contradictory bounds: trust the newer search
            lower = upper = value;
    } else if (samePosition && slot->depth > depth) {
        return; // a deeper result is worth more
    }
    if (samePosition && move < 0)
        move = slot->move; // the best move known still comes first
    slot->player = position.player;
    slot->opponent = position.opponent;
    slot->lower = static_cast<std::int16_t>(lower);
    slot->upper = static_cast<std::int16_t>(upper);
    slot->depth = static_cast<std::int8_t>(depth);
    slot->work = static_cast<std::uint8_t>(work);
    slot->move = static_cast<std::int8_t>(move);
    slot->generation = m_generation;
    assert(slot->lower <= slot->upper);
}

void TranspositionTable::clear()
{
    // Filled in place: a table in use keeps its memory (handing it back and faulting it in again
    // would cost the next search more than the fill).
    std::memset(static_cast<void*>(m_buckets), 0, m_bucketCount * sizeof(TableBucket));
    m_generation = 0;
}

} // namespace engine
