// Boards written as text for tests: three rows of three digits (cell values), top row
// first, rows separated by spaces, e.g. "120 010 000".
#pragma once

#include <string>

#include "game/game_state.h"

inline void SetBoard(const std::string& rows) {
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 3; ++x) {
      Game.Board[x][y] = static_cast<std::uint8_t>(rows.at(y * 4 + x) - '0');
    }
  }
}

inline std::string BoardText() {
  std::string rows;
  for (int y = 0; y < 3; ++y) {
    if (y > 0) rows += ' ';
    for (int x = 0; x < 3; ++x) rows += static_cast<char>('0' + Game.Board[x][y]);
  }
  return rows;
}

// A fresh game state, as at program start.
inline void ResetGameState() {
  Game = GameState{};
}
