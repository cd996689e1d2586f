// PlayerFixture: a test of the computer players starts with the classic player on both sides, the
// do-nothing toolkit, a fresh search state and an empty small table for the strong player, and leaves
// them so for the tests that follow it in the same process.
#pragma once

#include <gtest/gtest.h>

#include "position/toolkit.h"
#include "search/player.h"
#include "search/search.h"
#include "strong/strong_think.h"

class PlayerFixture : public ::testing::Test {
  protected:
    void SetUp() override { reset(); }
    void TearDown() override { reset(); }
    static void reset() {
        chooseEngine(Engine::Classic);
        resetToolkitHooks();
        searchState = SearchState{};
        setStrongTableMegabytes(4);
        strongNewGame();
    }
};
