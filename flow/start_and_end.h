// Start-up and the two ways out of a run.
#pragma once

// Brings the program from nothing to the start screen: log, window, bitmaps, hint.
// Without a display the run ends here with exit code 1.
void StartUp();

// Start-up, then the game loop. Never returns.
[[noreturn]] void RunGame();

// The quit key: statistics over the last screen, a key, then the end with exit code 0.
[[noreturn]] void QuitGame();

// The close key or a termination signal: the end at once, with exit code 0.
[[noreturn]] void EndImmediately();

// Closes the window, then the log (writing out its buffer), and exits with `code`.
[[noreturn]] void EndProgram(int code);
