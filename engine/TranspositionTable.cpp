#include "engine/TranspositionTable.h"

#include "engine/Score.h"

#include <algorithm>
#include <cassert>

namespace engine {

TranspositionTable::TranspositionTable(std::size_t megabytes)
{
    const std::size_t wanted = std::max<std::size_t>(megabytes, 1) * 1024 * 1024 / sizeof(TableBucket);
    std::size_t size = 1;
    while (size * 2 <= wanted)
        size *= 2;
    m_buckets.resize(size);
}

TranspositionTable TranspositionTable::withBuckets(std::size_t buckets)
{
    assert(buckets > 0 && (buckets & (buckets - 1)) == 0);
    TranspositionTable table(1);
    table.m_buckets.assign(buckets, TableBucket{});
    return table;
}

const TableEntry* TranspositionTable::find(const Position& position) const
{
    const TableEntry* bucket = m_buckets[bucketOf(position)].entries;
    for (int i = 0; i < 2; ++i) {
        if (bucket[i].depth >= 0 && bucket[i].player == position.player && bucket[i].opponent == position.opponent) {
            assert(bucket[i].lower <= bucket[i].upper);
            return &bucket[i];
        }
    }
    return nullptr;
}

void TranspositionTable::store(const Position& position, int depth, int alpha, int beta, int value, int move)
{
    assert(alpha < beta && depth >= 0 && depth <= ExactDepth && value > -Infinity && value < Infinity);
    assert(move < 0 || ((position.player | position.opponent) & bitOf(move)) == 0);
    // An exact count's worth grows with the empty squares it covered, a midgame search's with its depth.
    const int work = depth == ExactDepth ? 64 - popCount(position.player | position.opponent) : depth;
    TableEntry* bucket = m_buckets[bucketOf(position)].entries;
    TableEntry* slot = nullptr;
    for (int i = 0; i < 2 && !slot; ++i) {
        if (bucket[i].depth >= 0 && bucket[i].player == position.player && bucket[i].opponent == position.opponent)
            slot = &bucket[i];
    }
    const bool samePosition = slot != nullptr;
    if (!slot) {
        const bool firstGivesWay = bucket[0].depth < 0 || bucket[0].generation != m_generation || bucket[0].work <= work;
        slot = firstGivesWay ? &bucket[0] : &bucket[1];
        if (firstGivesWay && bucket[0].depth >= 0)
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
    std::fill(m_buckets.begin(), m_buckets.end(), TableBucket{});
    m_generation = 0;
}

} // namespace engine
