#include "game/line_detection.h"

#include <gtest/gtest.h>

#include "game/game_state.h"
#include "tests/support/board_text.h"

namespace {

struct LineCase {
  const char* name;
  const char* before;
  int result_before;
  const char* after;
  int result_after;
};

const LineCase kLineCases[] = {
    {"both sides complete a row, the player wins", "111 222 000", NoResult, "333 444 000",
     PlayerWon},
    {"top row and left column share a corner", "111 100 100", NoResult, "333 100 100", PlayerWon},
    {"middle row and middle column share the centre", "010 111 010", NoResult, "010 333 010",
     PlayerWon},
    {"rising diagonal of circles", "002 020 200", NoResult, "004 040 400", ComputerWon},
    {"falling diagonal of crosses", "120 210 001", NoResult, "320 230 003", PlayerWon},
    {"a player's line replaces Drawn", "111 221 122", Drawn, "333 221 122", PlayerWon},
    {"a computer's line replaces Drawn", "221 112 222", Drawn, "221 112 444", ComputerWon},
    {"a full board without a line stays Drawn", "121 112 212", Drawn, "121 112 212", Drawn},
    {"an empty board stays as it is", "000 000 000", NoResult, "000 000 000", NoResult},
    {"a line of two crosses and a circle is no line", "112 000 000", NoResult, "112 000 000",
     NoResult},
    {"a line of two marks and an empty cell is no line", "011 000 220", NoResult, "011 000 220",
     NoResult},
};

TEST(FindLinesTest, MarksLinesAndSetsResult) {
  for (const LineCase& c : kLineCases) {
    SCOPED_TRACE(c.name);
    ResetGameState();
    SetBoard(c.before);
    Game.GameResult = c.result_before;
    FindLines();
    EXPECT_EQ(BoardText(), c.after);
    EXPECT_EQ(Game.GameResult, c.result_after);
  }
}

}  // namespace
