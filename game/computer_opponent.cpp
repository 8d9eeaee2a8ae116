#include "game/computer_opponent.h"

#include <chrono>
#include <cmath>
#include <optional>

#include "game/game_state.h"

namespace {

// A full-period linear congruential generator modulo 2^32 (multiplier 1 mod 4, odd
// increment): every 32-bit state is visited, so its top 15 bits yield every value from
// 0 to 32767 from any seed.
constexpr std::uint32_t kMultiplier = 747796405u;
constexpr std::uint32_t kIncrement = 2891336453u;
std::uint32_t generator_state = 1;

std::optional<double> pinned_clock;

// A bijective scramble of the seed, so that seeds one second apart start far apart in the
// sequence instead of yielding nearly the same first values.
std::uint32_t ScrambleSeed(std::uint32_t seed) {
  seed ^= seed >> 16;
  seed *= 0x7feb352du;
  seed ^= seed >> 15;
  seed *= 0x846ca68bu;
  seed ^= seed >> 16;
  return seed;
}

bool FillFirstHolding(std::uint8_t mark) {
  for (const MoveTest& test : MoveTestTable) {
    if (Game.Board[test.marked[0].x][test.marked[0].y] == mark &&
        Game.Board[test.marked[1].x][test.marked[1].y] == mark &&
        Game.Board[test.target.x][test.target.y] == Empty) {
      Game.Board[test.target.x][test.target.y] = ComputerMark;
      return true;
    }
  }
  return false;
}

}  // namespace

int NextRandom() {
  generator_state = generator_state * kMultiplier + kIncrement;
  return static_cast<int>(generator_state >> 17);
}

void SeedRandom(std::int32_t seed) {
  generator_state = ScrambleSeed(static_cast<std::uint32_t>(seed));
  NextRandom();
}

double RandomFraction() {
  return NextRandom() / 32768.0;
}

double ClockSeconds() {
  if (pinned_clock) return *pinned_clock;
  const auto since_start = std::chrono::steady_clock::now().time_since_epoch();
  return std::chrono::duration<double>(since_start).count();
}

void PinClock(double seconds) {
  pinned_clock = seconds;
}
void UnpinClock() {
  pinned_clock.reset();
}

int CellNumberOf(double u) {
  return static_cast<int>(std::floor(u * 9 + 1));
}

bool WinPass() {
  return FillFirstHolding(ComputerMark);
}
bool BlockPass() {
  return FillFirstHolding(PlayerMark);
}

void RandomMove() {
  // The whole seconds, wrapped into 32 bits so that no clock value can overflow the seed.
  const double seconds = std::fmod(std::trunc(ClockSeconds()), 4294967296.0);
  SeedRandom(static_cast<std::int32_t>(static_cast<std::uint32_t>(std::fabs(seconds))));
  for (;;) {
    const CellPos cell = CellNumber(CellNumberOf(RandomFraction()));
    if (Game.Board[cell.x][cell.y] == Empty) {
      Game.Board[cell.x][cell.y] = ComputerMark;
      return;
    }
  }
}

void ChooseComputerMove() {
  Game.ComputerOpens = 0;
  if (WinPass()) return;
  if (BlockPass()) return;
  if (BoardIsFull()) {
    Game.GameResult = Drawn;
    return;
  }
  RandomMove();
}
