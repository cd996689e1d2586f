// The transposition table: an entry is found by its key and only by it, a bucket keeps four positions
// and gives up the one least worth keeping, and a result without a move keeps the move known.
#include <gtest/gtest.h>

#include "table/transposition.h"
#include "timing/time_use.h"

namespace {

// keyIn() is a key of bucket 5 whose check half is `check`: keys that share a bucket.
uint64_t keyIn(uint32_t check) { return uint64_t{check} << 32 | 5; }

class Table : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(prepareTable(table, 1)); }
    TranspositionTable table;
};

TEST_F(Table, SizeIsThePowerOfTwoOfBucketsWithinTheMegabytes) {
    EXPECT_EQ(table.bucketCount, 1024u * 1024 / sizeof(TableBucket));
    TranspositionTable three;
    ASSERT_TRUE(prepareTable(three, 3));
    EXPECT_EQ(three.bucketCount, 2u * 1024 * 1024 / sizeof(TableBucket));
}

TEST_F(Table, EntryIsFoundByItsWholeKeyOnly) {
    EXPECT_EQ(probeTable(table, keyIn(7)), nullptr);
    storeTable(table, keyIn(7), -1234, 56, 0x123, 9, BOUND_LOWER);
    const TableEntry* entry = probeTable(table, keyIn(7));
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->score, -1234);
    EXPECT_EQ(entry->evaluation, 56);
    EXPECT_EQ(entry->move, 0x123);
    EXPECT_EQ(entry->depth, 9);
    EXPECT_EQ(entry->bound(), BOUND_LOWER);
    EXPECT_EQ(probeTable(table, keyIn(8)), nullptr) << "same bucket, other position";
    EXPECT_EQ(probeTable(table, uint64_t{7} << 32 | 6), nullptr) << "same check, other bucket";
    clearTable(table);
    EXPECT_EQ(probeTable(table, keyIn(7)), nullptr);
}

TEST_F(Table, FullBucketGivesUpTheShallowestEntryOfTheCurrentThink) {
    for (uint32_t k = 1; k <= 4; ++k) storeTable(table, keyIn(k), 0, 0, NO_TABLE_MOVE, 10 - static_cast<int>(k), BOUND_EXACT);
    for (uint32_t k = 1; k <= 4; ++k) EXPECT_NE(probeTable(table, keyIn(k)), nullptr) << k;
    storeTable(table, keyIn(5), 0, 0, NO_TABLE_MOVE, 1, BOUND_EXACT);
    EXPECT_EQ(probeTable(table, keyIn(4)), nullptr) << "depth 6, the shallowest, goes";
    for (uint32_t k : {1u, 2u, 3u, 5u}) EXPECT_NE(probeTable(table, keyIn(k)), nullptr) << k;
}

TEST_F(Table, EntriesOfAnEarlierThinkGoFirst) {
    for (uint32_t k = 1; k <= 3; ++k) storeTable(table, keyIn(k), 0, 0, NO_TABLE_MOVE, 20, BOUND_EXACT);
    nextAge(table);
    storeTable(table, keyIn(4), 0, 0, NO_TABLE_MOVE, 1, BOUND_EXACT);
    storeTable(table, keyIn(5), 0, 0, NO_TABLE_MOVE, 1, BOUND_EXACT);
    EXPECT_NE(probeTable(table, keyIn(4)), nullptr) << "shallow but current";
    EXPECT_NE(probeTable(table, keyIn(5)), nullptr);
    int older = 0;
    for (uint32_t k = 1; k <= 3; ++k) older += probeTable(table, keyIn(k)) != nullptr;
    EXPECT_EQ(older, 2);
}

TEST_F(Table, ResultWithoutAMoveKeepsTheMoveKnown) {
    storeTable(table, keyIn(3), 100, 0, 0x2A, 4, BOUND_EXACT);
    storeTable(table, keyIn(3), -50, 0, NO_TABLE_MOVE, 6, BOUND_UPPER);
    const TableEntry* entry = probeTable(table, keyIn(3));
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->move, 0x2A);
    EXPECT_EQ(entry->score, -50);
    EXPECT_EQ(entry->depth, 6);
    EXPECT_EQ(entry->bound(), BOUND_UPPER);
}

// Whatever the machine's speed: without a limit every iteration may start and nothing stops the
// search; with a limit, iterations start only before 60% of it is used, and once the whole of it is
// gone the search is past its hard limit.
TEST(TimeUse, SoftAndHardLimits) {
    startThinkClock(0);
    EXPECT_TRUE(canStartIteration());
    EXPECT_FALSE(pastHardLimit());
    startThinkClock(1000.0);
    EXPECT_TRUE(canStartIteration());
    EXPECT_FALSE(pastHardLimit());
    startThinkClock(0.002);
    while (thinkSeconds() < 0.0013) {
    }
    EXPECT_FALSE(canStartIteration());
    while (thinkSeconds() < 0.002) {
    }
    EXPECT_TRUE(pastHardLimit());
}

}  // namespace
