// Text in the 8 x 8 font: drawn at pixel positions, or printed at the text cursor.
#pragma once

#include <string_view>

#include "display/pages.h"

// Sets the foreground colour to exactly `foreground`, all 32 bits.
void SetTextColour(Colour foreground);
// Sets both text colours.
void SetTextColour(Colour foreground, Colour background);

// Draws each byte of `text` as a character of the font, character i with its cell's top-left
// corner at (x + 8i, y): set pixels in the foreground colour, the others left as they are.
// Cut at the page's edges, never wrapped; the text cursor does not move. Returns 0, or
// IllegalFunctionCall without a window or for an empty text.
int DrawText(double x, double y, std::string_view text);

// Text cursor grid over the work page: 37 x 37 cells of 8 x 8 pixels.
inline constexpr int TextColumns = PageWidth / 8;
inline constexpr int TextRows = PageHeight / 8;

// Prints `text` at the text cursor, each character filling its whole cell (set pixels in the
// foreground colour, the rest in the background colour), then a line end when `line_end`.
// The cursor wraps at the last column; below the last row the grid scrolls up by one row.
// Without a window the text goes to standard output.
void PrintText(std::string_view text, bool line_end);
