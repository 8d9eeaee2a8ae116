#include "flow/game_loop.h"

#include <array>

#include "display/key_queue.h"
#include "display/pages.h"
#include "display/screen_drawing.h"
#include "flow/player_input.h"
#include "game/computer_opponent.h"
#include "game/game_state.h"
#include "game/line_detection.h"
#include "records/error_report.h"
#include "records/game_log.h"

namespace {

// The counter each result raises.
constexpr std::array<std::int32_t GameState::*, 4> kResultCounters{
    nullptr, &GameState::PlayerWins, &GameState::ComputerWins, &GameState::Draws};

// Shows the result over the final board, counts it, waits for a key and resets.
void CloseFinishedGame() {
  DrawResultMessage();
  ShowPage();
  Game.*kResultCounters[Game.GameResult] += 1;
  FlushLog();
  WaitKey();
  ResetGame();
}

}  // namespace

void ShowPage() {
  CheckStep(WaitVSync());
  CopyPage();
}

void ResetGame() {
  WriteResetRecord();
  for (auto& column : Game.Board) {
    for (auto& cell : column) cell = Empty;
  }
  DrawResetScreen();
  ShowPage();
  if (Game.PlayerWins >= 10) Game.ComputerOpens = 1;
  Game.GameResult = NoResult;
}

void RunGameLoop() {
  for (;;) {
    if (Game.ComputerOpens) {
      ChooseComputerMove();
    } else if (BoardIsFull()) {
      Game.GameResult = Drawn;  // neither side moves in this pass
    } else {
      ReadPlayerMove();
      // The computer answers every move, also one that has just completed a line.
      ChooseComputerMove();
    }
    FindLines();
    DrawBoard();
    if (Game.GameResult != NoResult) CloseFinishedGame();
    WriteBoardToLog();
    ShowPage();
  }
}
