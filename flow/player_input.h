// The player's move, read from the key queue.
#pragma once

#include <array>
#include <string_view>

#include "game/line_detection.h"

inline constexpr std::string_view QuitKey = "o";  // lower case only
inline constexpr std::string_view CloseKey = "\xFFk";

struct CellKey {
  std::string_view key;
  CellPos cell;
};

// The nine cell keys in the order they are compared. On a German keyboard they lie as a
// 3 x 3 block in the board's arrangement.
inline constexpr std::array<CellKey, 9> CellKeyTable{{
    {"q", {0, 0}},
    {"w", {1, 0}},
    {"e", {2, 0}},
    {"a", {0, 1}},
    {"s", {1, 1}},
    {"d", {2, 1}},
    {"y", {0, 2}},
    {"x", {1, 2}},
    {"c", {2, 2}},
}};

// Reads keys until a cell key names an Empty cell, which becomes PlayerMark. The quit key
// leads to QuitGame and the close key ends the run at once; neither returns. All other
// keys, and cell keys of occupied cells, are ignored. Between polls that find no key it
// sleeps until a key arrives or 10 ms pass, so a waiting game uses no processor time.
void ReadPlayerMove();
