// Everything the game draws, on the work page; nothing shows until the page is copied.
// Each image and text that fails to draw is reported, and the drawing goes on.
#pragma once

#include <string>

// "Grafiken werden geladen..." at (10, 10) in the current colour, on the page that
// start-up has just cleared.
void DrawLoadingText();

// The background, then the hint at the top in the current colour.
void DrawStartScreen();

// The background, every mark blended at its cell (column by column), and the score line.
void DrawBoard();

// The score text at (0, 0).
void ScoreLine();
std::string ScoreText();

// The message for Game.GameResult at (0, 100); nothing for NoResult.
void DrawResultMessage();

// The background and the score line, after a finished game.
void DrawResetScreen();

// The heading and the four lines of the run's statistics over whatever the page holds.
void ShowStatistics();
