#include "display/screen_drawing.h"

#include <array>

#include "display/images.h"
#include "display/pages.h"
#include "display/text.h"
#include "game/game_state.h"
#include "records/error_report.h"

namespace {

// The hint stores its u with diaeresis as byte 129 of code page 437.
constexpr const char* kHint =
    "Dr\x81"
    "cken Sie \"O\" um zu beenden...";
constexpr const char* kLoadingText = "Grafiken werden geladen...";

// How each cell value is drawn: its image and alpha; Empty draws nothing.
struct MarkLook {
  ImageHandle GameState::*image;
  int alpha;
};
constexpr std::array<MarkLook, 5> kMarkLooks{{
    {nullptr, 0},
    {&GameState::ImgKreuz, 150},
    {&GameState::ImgKreis, 150},
    {&GameState::ImgKreuzHell, 200},
    {&GameState::ImgKreisHell, 200},
}};

// Messages by GameResult.
constexpr std::array<const char*, 4> kResultMessages{
    nullptr, "Der Spieler hat gewonnen...", "Der Computer hat gewonnen...", "Unentschieden..."};

struct StatisticsLine {
  int y;
  const char* label;  // padded to 15 characters, so every number starts at x = 205
  int (*value)();
};
constexpr int kStatisticsX = 85;
constexpr std::array<StatisticsLine, 4> kStatistics{{
    {100, "Spieler:       ", [] { return Game.PlayerWins; }},
    {115, "Computer:      ", [] { return Game.ComputerWins; }},
    {130, "Unentschieden: ", [] { return Game.Draws; }},
    {145, "Gesamt:        ", [] { return Game.PlayerWins + Game.ComputerWins + Game.Draws; }},
}};

void DrawBackground() {
  CheckStep(PutImage(0, 0, Game.ImgBG, PsetMode));
}

}  // namespace

void DrawLoadingText() {
  CheckStep(DrawText(10, 10, kLoadingText));
}

void DrawStartScreen() {
  DrawBackground();
  CheckStep(DrawText(0, 0, kHint));
}

std::string ScoreText() {
  return "Spieler: " + std::to_string(Game.PlayerWins) +
         " Computer: " + std::to_string(Game.ComputerWins) +
         " Keiner: " + std::to_string(Game.Draws);
}

void ScoreLine() {
  CheckStep(DrawText(0, 0, ScoreText()));
}

void DrawBoard() {
  ClearScreen(1);
  DrawBackground();
  for (int x = 0; x < 3; ++x) {
    for (int y = 0; y < 3; ++y) {
      const std::uint8_t cell = Game.Board[x][y];
      if (cell == Empty || cell >= kMarkLooks.size()) continue;
      const MarkLook& look = kMarkLooks[cell];
      CheckStep(PutImage(x * 100, y * 100 + 10, Game.*look.image, AlphaMode, look.alpha));
    }
  }
  ScoreLine();
}

void DrawResultMessage() {
  if (Game.GameResult <= NoResult || Game.GameResult > Drawn) return;
  CheckStep(DrawText(0, 100, kResultMessages[Game.GameResult]));
}

void DrawResetScreen() {
  DrawBackground();
  ScoreLine();
}

void ShowStatistics() {
  CheckStep(DrawText(kStatisticsX, 85, "-- Statistik --"));
  for (const StatisticsLine& line : kStatistics) {
    CheckStep(DrawText(kStatisticsX, line.y, line.label + std::to_string(line.value())));
  }
}
