// Detection of completed lines: three cells of one line holding the same side's plain mark.
#pragma once

#include <array>

struct CellPos {
  int x;  // column, 0 to 2 from the left
  int y;  // row, 0 to 2 from the top
};

// The eight lines in the order they are examined: rows top to bottom, columns left to
// right, the diagonal from the top left, the diagonal from the bottom left. The order of
// the three cells is the order in which they are compared and rewritten.
inline constexpr std::array<std::array<CellPos, 3>, 8> LineTable{{
    {{{0, 0}, {1, 0}, {2, 0}}},
    {{{0, 1}, {1, 1}, {2, 1}}},
    {{{0, 2}, {1, 2}, {2, 2}}},
    {{{0, 0}, {0, 1}, {0, 2}}},
    {{{1, 0}, {1, 1}, {1, 2}}},
    {{{2, 0}, {2, 1}, {2, 2}}},
    {{{0, 0}, {1, 1}, {2, 2}}},
    {{{0, 2}, {1, 1}, {2, 0}}},
}};

// Turns every completed line into line marks and sets Game.GameResult to the side of the
// line found last. The computer's circles are examined first and the player's crosses last,
// so the player's line wins when both sides have one. Leaves GameResult alone when no line
// is found.
void FindLines();
