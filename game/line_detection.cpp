#include "game/line_detection.h"

#include "game/game_state.h"

void FindLines() {
  // i = 1 examines the computer (side 2), i = 2 the player (side 1).
  for (int i = 1; i <= 2; ++i) {
    const int side = 3 - i;
    for (const auto& line : LineTable) {
      bool complete = true;
      for (const CellPos& cell : line) {
        if (Game.Board[cell.x][cell.y] != side) complete = false;
      }
      if (!complete) continue;
      Game.GameResult = side;
      for (const CellPos& cell : line) {
        Game.Board[cell.x][cell.y] = static_cast<std::uint8_t>(side + 2);
      }
    }
  }
}
