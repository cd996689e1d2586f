// The transposition table: what the strong player has learnt about positions it searched, found again
// by the position key when the same position comes up by another move order, in a later iteration or
// at a later move. A fixed array of buckets of four packed entries, one cache line each, allocated
// when a table is first used and never on the search's path.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

// What a stored score says about the position's value: exact, at least it (the search failed high)
// or at most it (failed low).
enum Bound : uint8_t { BOUND_NONE = 0, BOUND_UPPER = 1, BOUND_LOWER = 2, BOUND_EXACT = 3 };

// A move as the table keeps it: squareNumber() of its source square times 8 plus its direction.
// NO_TABLE_MOVE stands for none.
constexpr uint16_t NO_TABLE_MOVE = 0xFFFF;

// One entry, 16 bytes: the key's upper half to recognise the position (the lower bits chose the
// bucket), the score and the static evaluation for the side to move, the best move, the depth
// searched, and the bound with the age of the think that stored it.
struct TableEntry {
    uint32_t check;
    int32_t score;
    int32_t evaluation;
    uint16_t move;
    uint8_t depth;
    uint8_t boundAndAge;  // bound in bits 0..1, age in bits 2..7

    Bound bound() const { return static_cast<Bound>(boundAndAge & 3); }
};

constexpr int ENTRIES_PER_BUCKET = 4;
struct alignas(64) TableBucket {
    TableEntry entries[ENTRIES_PER_BUCKET];
};

struct TranspositionTable {
    std::unique_ptr<TableBucket[]> buckets;
    size_t bucketCount = 0;  // a power of two; 0 before the first use
    uint8_t age = 0;         // of the current think, 0..63
};

constexpr int DEFAULT_TABLE_MEGABYTES = 64;
constexpr int MAX_TABLE_MEGABYTES = 65536;

// Size and lifetime

// prepareTable() gives the table the largest power-of-two number of buckets within `megabytes`
// (at least 1), empty, unless it already has that size. Returns false when the memory cannot be had.
bool prepareTable(TranspositionTable& table, int megabytes);
// clearTable() empties every entry, as after prepareTable, and sets the age to 0.
void clearTable(TranspositionTable& table);
// nextAge() marks the start of another think: older entries are the first to be replaced.
void nextAge(TranspositionTable& table);

// Lookup and storing

// probeTable() returns the entry of the position with this key, or nullptr when the table has none.
const TableEntry* probeTable(const TranspositionTable& table, uint64_t key);
// storeTable() keeps what a search found about the position: in the entry it already has, else in
// the bucket's entry least worth keeping (another think's first, then the shallowest).
void storeTable(TranspositionTable& table, uint64_t key, int32_t score, int32_t evaluation, uint16_t move,
                int depth, Bound bound);
