#include "game/game_state.h"

GameState Game{};

bool BoardIsFull() {
  for (const auto& column : Game.Board) {
    for (std::uint8_t cell : column) {
      if (cell == Empty) return false;
    }
  }
  return true;
}
