#include "table/transposition.h"

#include <cstring>
#include <new>

namespace {

inline TableBucket& bucketOf(const TranspositionTable& table, uint64_t key) {
    return table.buckets[key & (table.bucketCount - 1)];
}

inline uint32_t checkOf(uint64_t key) { return static_cast<uint32_t>(key >> 32); }

// An entry is empty while its bound is BOUND_NONE: a cleared table holds zeroes.
inline bool isEmpty(const TableEntry& entry) { return entry.bound() == BOUND_NONE; }

// worthKeeping() ranks the entries of a bucket for replacement: an entry of the current think
// outranks any older one, and among those of one age a deeper search outranks a shallower one.
inline int worthKeeping(const TranspositionTable& table, const TableEntry& entry) {
    if (isEmpty(entry)) return -1;
    const bool current = (entry.boundAndAge >> 2) == table.age;
    return entry.depth + (current ? 256 : 0);
}

}  // namespace

bool prepareTable(TranspositionTable& table, int megabytes) {
    size_t count = 1;
    const size_t budget = static_cast<size_t>(megabytes) * 1024 * 1024 / sizeof(TableBucket);
    while (count * 2 <= budget) count *= 2;
    if (table.bucketCount != count) {
        table.buckets.reset(new (std::nothrow) TableBucket[count]);
        table.bucketCount = table.buckets ? count : 0;
        if (!table.buckets) return false;
    }
    clearTable(table);
    return true;
}

void clearTable(TranspositionTable& table) {
    if (table.bucketCount > 0) std::memset(table.buckets.get(), 0, table.bucketCount * sizeof(TableBucket));
    table.age = 0;
}

void nextAge(TranspositionTable& table) { table.age = static_cast<uint8_t>((table.age + 1) & 63); }

const TableEntry* probeTable(const TranspositionTable& table, uint64_t key) {
    const TableBucket& bucket = bucketOf(table, key);
    const uint32_t check = checkOf(key);
    for (const TableEntry& entry : bucket.entries)
        if (entry.check == check && !isEmpty(entry)) return &entry;
    return nullptr;
}

void storeTable(TranspositionTable& table, uint64_t key, int32_t score, int32_t evaluation, uint16_t move,
                int depth, Bound bound) {
    TableBucket& bucket = bucketOf(table, key);
    const uint32_t check = checkOf(key);
    TableEntry* target = &bucket.entries[0];
    for (TableEntry& entry : bucket.entries) {
        if (entry.check == check && !isEmpty(entry)) {
            target = &entry;
            // A shallower result of the same position keeps the move already known when it has none.
            if (move == NO_TABLE_MOVE) move = entry.move;
            break;
        }
        if (worthKeeping(table, entry) < worthKeeping(table, *target)) target = &entry;
    }
    target->check = check;
    target->score = score;
    target->evaluation = evaluation;
    target->move = move;
    target->depth = static_cast<uint8_t>(depth < 0 ? 0 : depth > 255 ? 255 : depth);
    target->boundAndAge = static_cast<uint8_t>(bound | table.age << 2);
}
