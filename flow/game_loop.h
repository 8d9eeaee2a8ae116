// The game loop: the player's move, the computer's answer, the judgement, the screen and
// the log, one pass per move, game after game.
#pragma once

// Runs the loop from its top; the run ends only through QuitGame or EndImmediately.
[[noreturn]] void RunGameLoop();

// Waits for the display's retrace, then copies the work page onto the visible page.
void ShowPage();

// Closes a finished game: logs and clears the board, shows the new score, lets the
// computer open from the player's tenth win on, and clears the result.
void ResetGame();
