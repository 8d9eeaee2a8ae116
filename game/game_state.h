// The one record of the game: board, images, score, flags and the log's file number.
// Every routine of the game reads and writes the single instance `Game` directly.
#pragma once

#include <cstdint>

// Handle of an image issued by the display services; 0 means "no image".
using ImageHandle = std::int32_t;

// What a board cell holds. A side's mark is its side number, its line mark that number + 2.
enum Cell : std::uint8_t {
  Empty = 0,
  PlayerMark = 1,
  ComputerMark = 2,
  PlayerLineMark = 3,
  ComputerLineMark = 4,
};

// The sides; the player's results and marks carry side number 1, the computer's 2.
enum Side : std::int32_t {
  PlayerSide = 1,
  ComputerSide = 2,
};

// Outcome of the current game. PlayerWon and ComputerWon equal the winning side's number.
enum Result : std::int32_t {
  NoResult = 0,
  PlayerWon = 1,
  ComputerWon = 2,
  Drawn = 3,
};

struct GameState {
  std::uint8_t Board[3][3];  // Board[x][y]: x the column from the left, y the row from the top
  ImageHandle ImgBG;         // background, 300 x 300, "BG.BMP"
  ImageHandle ImgKreuz;      // the player's cross, 90 x 90, "Kreuz.BMP"
  ImageHandle ImgKreis;      // the computer's circle, 90 x 90, "Kreis.BMP"
  ImageHandle ImgKreuzHell;  // bright cross of a completed line, "KreuzHell.BMP"
  ImageHandle ImgKreisHell;  // bright circle of a completed line, "KreisHell.BMP"
  std::int32_t PlayerWins;
  std::int32_t ComputerWins;
  std::int32_t Draws;
  std::int32_t GameResult;     // a Result value
  std::uint8_t ComputerOpens;  // 1: the computer sets the first mark of the next game
  std::uint8_t LogFile;        // file number of the open game log, 0 when none is open
};

// The run's one game state, zero-filled at program start.
extern GameState Game;

// True when no cell of the board is Empty.
bool BoardIsFull();
