// Whole games of the rules alone: the player's crosses from a script against the real
// computer, with the clock pinned so that its random moves are reproducible.
#include <gtest/gtest.h>

#include <string>

#include "game/computer_opponent.h"
#include "game/game_state.h"
#include "game/line_detection.h"
#include "tests/support/board_text.h"

namespace {

// Plays one game: each turn the player takes the first empty cell of `preference` (cell
// numbers in reading order), the computer answers, and lines are judged after the answer.
// Returns the final board, line marks included.
std::string PlayScripted(const std::string& preference) {
  ResetGameState();
  while (Game.GameResult == NoResult) {
    if (BoardIsFull()) {
      Game.GameResult = Drawn;
    } else {
      for (char digit : preference) {
        const CellPos cell = CellNumber(digit - '0');
        if (Game.Board[cell.x][cell.y] == Empty) {
          Game.Board[cell.x][cell.y] = PlayerMark;
          break;
        }
      }
      ChooseComputerMove();
    }
    FindLines();
  }
  return BoardText();
}

struct ScriptCase {
  const char* preference;
  double seconds;
  const char* final_board;
  int result;
};

const ScriptCase kScripts[] = {
    {"132567489", 2.5, "123 232 302", PlayerWon},
    {"123456789", 0.5, "112 110 444", ComputerWon},
    {"123645789", 1.5, "112 211 122", Drawn},
};

TEST(WholeGameTest, ScriptedGamesReachEachResult) {
  for (const ScriptCase& c : kScripts) {
    SCOPED_TRACE(c.preference);
    PinClock(c.seconds);
    EXPECT_EQ(PlayScripted(c.preference), c.final_board);
    EXPECT_EQ(Game.GameResult, c.result);
  }
  UnpinClock();
}

}  // namespace
