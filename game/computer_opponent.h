// The computer's move: win if it can, otherwise block, otherwise a random empty cell.
#pragma once

#include <array>
#include <cstdint>

#include "game/line_detection.h"

// One test of a pass: both `marked` cells must hold the pass's mark and `target` must be
// Empty; `target` then receives the circle.
struct MoveTest {
  std::array<CellPos, 2> marked;
  CellPos target;
};

// The 24 tests in the order they are tried: for each line of LineTable, one test per cell
// as the empty one. Two tests of one line never hold at once, so the effective preference
// is the order of the lines.
inline constexpr std::array<MoveTest, 24> MoveTestTable{{
    {{{{0, 0}, {1, 0}}}, {2, 0}}, {{{{1, 0}, {2, 0}}}, {0, 0}}, {{{{0, 0}, {2, 0}}}, {1, 0}},
    {{{{0, 1}, {1, 1}}}, {2, 1}}, {{{{1, 1}, {2, 1}}}, {0, 1}}, {{{{0, 1}, {2, 1}}}, {1, 1}},
    {{{{0, 2}, {1, 2}}}, {2, 2}}, {{{{1, 2}, {2, 2}}}, {0, 2}}, {{{{0, 2}, {2, 2}}}, {1, 2}},
    {{{{0, 0}, {0, 1}}}, {0, 2}}, {{{{0, 1}, {0, 2}}}, {0, 0}}, {{{{0, 0}, {0, 2}}}, {0, 1}},
    {{{{1, 0}, {1, 1}}}, {1, 2}}, {{{{1, 1}, {1, 2}}}, {1, 0}}, {{{{1, 0}, {1, 2}}}, {1, 1}},
    {{{{2, 0}, {2, 1}}}, {2, 2}}, {{{{2, 1}, {2, 2}}}, {2, 0}}, {{{{2, 0}, {2, 2}}}, {2, 1}},
    {{{{0, 0}, {1, 1}}}, {2, 2}}, {{{{0, 0}, {2, 2}}}, {1, 1}}, {{{{1, 1}, {2, 2}}}, {0, 0}},
    {{{{2, 0}, {1, 1}}}, {0, 2}}, {{{{2, 0}, {0, 2}}}, {1, 1}}, {{{{1, 1}, {0, 2}}}, {2, 0}},
}};

// The cell of cell number n (1 to 9, reading order): x = (n - 1) mod 3, y = (n - 1) div 3.
constexpr CellPos CellNumber(int n) {
  return {(n - 1) % 3, (n - 1) / 3};
}

// The cell number a random fraction u (0 <= u < 1) names: floor(u * 9 + 1), in double
// precision.
int CellNumberOf(double u);

// Clears ComputerOpens, then sets exactly one Empty cell to ComputerMark, or, on a full
// board, sets GameResult to Drawn and changes no cell.
void ChooseComputerMove();

// The three steps of the move; each returns true when it set a circle.
bool WinPass();
bool BlockPass();
void RandomMove();  // requires at least one Empty cell

// Seconds of a monotonic clock.
double ClockSeconds();

// Reseeds the generator with `seed`, then draws one value and throws it away.
void SeedRandom(std::int32_t seed);

// The next generator value k (0 to 32767) as k / 32768.
double RandomFraction();

// The next raw generator value, 0 to 32767.
int NextRandom();

// Test seam: ClockSeconds returns `seconds` until UnpinClock is called.
void PinClock(double seconds);
void UnpinClock();
