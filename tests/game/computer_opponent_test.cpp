#include "game/computer_opponent.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "game/game_state.h"
#include "tests/support/board_text.h"

namespace {

class ComputerMoveTest : public testing::Test {
 protected:
  void SetUp() override {
    ResetGameState();
    PinClock(1000.0);
  }
  void TearDown() override { UnpinClock(); }
};

struct MoveCase {
  const char* name;
  const char* before;
  const char* after;
  int result_after;
};

// Boards where a test of the move table holds, so the answer is fixed.
const MoveCase kMoveCases[] = {
    {"winning goes before an earlier block", "110 000 220", "110 000 222", NoResult},
    {"of two wins the first test in table order", "220 200 000", "222 200 000", NoResult},
    {"of two blocks the first test in table order", "210 110 002", "210 112 002", NoResult},
    {"after the player's completed line the computer blocks on", "111 220 000", "111 222 000",
     NoResult},
    {"a full board is declared drawn and left alone", "121 112 212", "121 112 212", Drawn},
};

TEST_F(ComputerMoveTest, FollowsTheMoveTable) {
  for (const MoveCase& c : kMoveCases) {
    SCOPED_TRACE(c.name);
    ResetGameState();
    SetBoard(c.before);
    ChooseComputerMove();
    EXPECT_EQ(BoardText(), c.after);
    EXPECT_EQ(Game.GameResult, c.result_after);
  }
}

TEST_F(ComputerMoveTest, OpeningMoveSetsOneCircleAndClearsTheFlag) {
  Game.ComputerOpens = 1;
  ChooseComputerMove();
  EXPECT_EQ(Game.ComputerOpens, 0);
  int circles = 0;
  for (auto& column : Game.Board) {
    for (auto cell : column) circles += cell == ComputerMark;
  }
  EXPECT_EQ(circles, 1);
  EXPECT_EQ(Game.GameResult, NoResult);
}

TEST_F(ComputerMoveTest, RandomMoveFindsTheOneEmptyCell) {
  for (int n = 1; n <= 9; ++n) {
    for (double seconds : {0.0, 7.5, 123456.0}) {
      SetBoard("111 111 111");
      const CellPos empty = CellNumber(n);
      Game.Board[empty.x][empty.y] = Empty;
      PinClock(seconds);
      RandomMove();
      EXPECT_EQ(Game.Board[empty.x][empty.y], ComputerMark) << "cell " << n;
      EXPECT_TRUE(BoardIsFull());
    }
  }
}

// The cell of a random move on an empty board is CellNumber(1 + floor(9k / 32768)) for the
// first value k drawn after reseeding with the whole seconds of the clock.
TEST_F(ComputerMoveTest, RandomMoveMapsTheDrawnValueToACellNumber) {
  std::vector<int> seen(10, 0);
  for (int seconds = 0; seconds < 3000; ++seconds) {
    SeedRandom(seconds);
    const int k = NextRandom();
    const int n = 1 + 9 * k / 32768;
    ResetGameState();
    PinClock(seconds + 0.75);
    RandomMove();
    const CellPos cell = CellNumber(n);
    ASSERT_EQ(Game.Board[cell.x][cell.y], ComputerMark) << "seconds " << seconds << " k " << k;
    ++seen[n];
  }
  for (int n = 1; n <= 9; ++n) EXPECT_GT(seen[n], 0) << "cell number " << n << " never drawn";
}

// In double precision, k / 32768 * 9 + 1 floors to 1 + floor(9k / 32768) for every k, so
// each of the numbers 1 to 8 comes from one more of the 32768 values than 9 does.
TEST(CellNumberOfTest, EveryGeneratorValueNamesACellAndNineIsRarest) {
  std::vector<int> count(10, 0);
  for (int k = 0; k < 32768; ++k) {
    const int n = CellNumberOf(k / 32768.0);
    ASSERT_EQ(n, 1 + 9 * k / 32768) << "k " << k;
    ++count[n];
  }
  for (int n = 1; n <= 8; ++n) EXPECT_EQ(count[n], count[9] + 1) << "cell number " << n;
  EXPECT_EQ(count[9], 3640);
}

TEST_F(ComputerMoveTest, MovesInTheSameSecondDrawTheSameSequence) {
  PinClock(4711.1);
  RandomMove();
  const std::string first = BoardText();
  ResetGameState();
  PinClock(4711.9);
  RandomMove();
  EXPECT_EQ(BoardText(), first);

  // With that cell taken, the next move of the same second takes the next number of the
  // same sequence whose cell is empty.
  RandomMove();
  std::set<int> expected;
  SeedRandom(4711);
  for (int draws = 0; expected.size() < 2; ++draws) {
    expected.insert(1 + 9 * NextRandom() / 32768);
  }
  std::set<int> taken;
  for (int n = 1; n <= 9; ++n) {
    const CellPos cell = CellNumber(n);
    if (Game.Board[cell.x][cell.y] == ComputerMark) taken.insert(n);
  }
  EXPECT_EQ(taken, expected);
}

TEST(RandomGeneratorTest, ReachesEveryValueFromAnySeed) {
  for (std::int32_t seed : {0, 1, -1, 2147483647}) {
    SeedRandom(seed);
    std::vector<bool> seen(32768, false);
    int missing = 32768;
    for (int draw = 0; draw < (1 << 22) && missing > 0; ++draw) {
      const int k = NextRandom();
      ASSERT_GE(k, 0);
      ASSERT_LE(k, 32767);
      if (!seen[k]) {
        seen[k] = true;
        --missing;
      }
    }
    EXPECT_EQ(missing, 0) << "seed " << seed;
  }
}

TEST(RandomGeneratorTest, FractionStaysBelowOne) {
  SeedRandom(99);
  for (int draw = 0; draw < 100000; ++draw) {
    const double u = RandomFraction();
    ASSERT_GE(u, 0.0);
    ASSERT_LE(u, 32767.0 / 32768.0);
  }
}

}  // namespace
