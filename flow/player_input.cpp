#include "flow/player_input.h"

#include <string>

#include "display/key_queue.h"
#include "flow/start_and_end.h"
#include "game/game_state.h"
#include "records/game_log.h"

void ReadPlayerMove() {
  // Whatever the log holds goes to disk while the player thinks.
  FlushLog();
  for (;;) {
    const std::string key = PollKey();
    if (key == QuitKey) QuitGame();
    if (key == CloseKey) EndImmediately();
    for (const CellKey& cell_key : CellKeyTable) {
      if (key != cell_key.key) continue;
      std::uint8_t& cell = Game.Board[cell_key.cell.x][cell_key.cell.y];
      if (cell == Empty) {
        cell = PlayerMark;
        return;
      }
      break;
    }
    if (key.empty()) WaitForKey(10);
  }
}
