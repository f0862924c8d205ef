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

namespace {

// The values of an entry in one word: lower, upper, depth, move, generation, work from the low end.
Bits packValues(const TableEntry& e)
{
    return Bits(std::uint16_t(e.lower)) | Bits(std::uint16_t(e.upper)) << 16 | Bits(std::uint8_t(e.depth)) << 32 |
           Bits(std::uint8_t(e.move)) << 40 | Bits(e.generation) << 48 | Bits(e.work) << 56;
}

Bits loadWord(const Bits& word) { return __atomic_load_n(&word, __ATOMIC_RELAXED); }
void storeWord(Bits& word, Bits value) { __atomic_store_n(&word, value, __ATOMIC_RELAXED); }

} // namespace

TableEntry TranspositionTable::load(const StoredEntry& stored)
{
    const Bits values = loadWord(stored.words[2]);
    TableEntry e;
    e.player = loadWord(stored.words[0]) ^ values;
    e.opponent = loadWord(stored.words[1]) ^ values;
    e.lower = static_cast<std::int16_t>(values & 0xffff);
    e.upper = static_cast<std::int16_t>(values >> 16 & 0xffff);
    e.depth = static_cast<std::int8_t>(values >> 32 & 0xff);
    e.move = static_cast<std::int8_t>(values >> 40 & 0xff);
    e.generation = static_cast<std::uint8_t>(values >> 48 & 0xff);
    e.work = static_cast<std::uint8_t>(values >> 56);
    return e;
}

void TranspositionTable::save(StoredEntry& stored, const TableEntry& entry)
{
    const Bits values = packValues(entry);
    storeWord(stored.words[0], entry.player ^ values);
    storeWord(stored.words[1], entry.opponent ^ values);
    storeWord(stored.words[2], values);
}

std::optional<TableEntry> TranspositionTable::find(const Position& position) const
{
    const StoredEntry* bucket = m_buckets[bucketOf(position)].entries;
    for (int i = 0; i < 2; ++i) {
        const TableEntry e = load(bucket[i]);
        // A half-written entry decodes to no real position (and an empty one to no discs).
        if (e.inUse() && e.player == position.player && e.opponent == position.opponent) {
            assert(e.lower <= e.upper);
            return e;
        }
    }
    return std::nullopt;
}

void TranspositionTable::store(const Position& position, int depth, int alpha, int beta, int value, int move)
{
    assert(alpha < beta && depth >= 0 && depth <= ExactDepth && value > -Infinity && value < Infinity);
    assert((position.player | position.opponent) != 0); // an empty board would read as an unused entry
    assert(move < 0 || ((position.player | position.opponent) & bitOf(move)) == 0);
    // An exact count's worth grows with the empty squares it covered, a midgame search's with its depth.
    const int work = depth >= SelectiveDepth ? 64 - popCount(position.player | position.opponent) : depth;
    StoredEntry* bucket = m_buckets[bucketOf(position)].entries;
    const TableEntry held[2] = {load(bucket[0]), load(bucket[1])};
    int slotIndex = -1;
    for (int i = 0; i < 2 && slotIndex < 0; ++i) {
        if (held[i].inUse() && held[i].player == position.player && held[i].opponent == position.opponent)
            slotIndex = i;
    }
    const bool samePosition = slotIndex >= 0;
    if (!samePosition) {
        const bool firstGivesWay = !held[0].inUse() || held[0].generation != m_generation || held[0].work <= work;
        slotIndex = firstGivesWay ? 0 : 1;
        if (firstGivesWay && held[0].inUse())
            save(bucket[1], held[0]); // the displaced entry moves to the always-replaced slot
    }
    const TableEntry& slot = held[slotIndex];

    int lower = value > alpha ? value : -Infinity; // a fail low only bounds from above
    int upper = value < beta ? value : Infinity;   // a fail high only bounds from below
    if (samePosition && slot.depth == depth) {
        // Same depth: keep what both searches proved.
        lower = std::max<int>(lower, slot.lower);
        upper = std::min<int>(upper, slot.upper);
        if (lower > upper) // contradictory bounds: trust the newer search
            lower = upper = value;
    } else if (samePosition && slot.depth > depth) {
        return; // a deeper result is worth more
    }
    if (samePosition && move < 0)
        move = slot.move; // the best move known still comes first
    TableEntry e;
    e.player = position.player;
    e.opponent = position.opponent;
    e.lower = static_cast<std::int16_t>(lower);
    e.upper = static_cast<std::int16_t>(upper);
    e.depth = static_cast<std::int8_t>(depth);
    e.work = static_cast<std::uint8_t>(work);
    e.move = static_cast<std::int8_t>(move);
    e.generation = m_generation;
    assert(e.lower <= e.upper);
    save(bucket[slotIndex], e);
}

void TranspositionTable::clear()
{
    // Filled in place: a table in use keeps its memory (handing it back and faulting it in again
    // would cost the next search more than the fill).
    std::memset(static_cast<void*>(m_buckets), 0, m_bucketCount * sizeof(TableBucket));
    m_generation = 0;
}

} // namespace engine
