// The window and its two pages of 300 x 300 colours (0xAARRGGBB; the top byte is stored but
// never shown). All drawing goes to the work page; the window shows the visible page.
#pragma once

#include <cstdint>
#include <string_view>

using Colour = std::uint32_t;

inline constexpr int PageWidth = 300;
inline constexpr int PageHeight = 300;
inline constexpr Colour MaskColour = 0x00FF00FF;  // red 255, green 0, blue 255

// Stores the caption (its first 127 characters) for the window OpenWindow creates.
void SetWindowTitle(std::string_view title);

// Opens the window on its own thread: 300 x 300 client pixels, 32 bits per pixel, one or two
// pages, never full screen; `refresh_rate` 0 leaves the rate to the system. Both pages start
// black, page 0 is work and visible page, white text on black, the text cursor top left.
// Returns 0, or IllegalFunctionCall for other sizes or depths, an open window, or no display.
int OpenWindow(int width, int height, int bits_per_pixel, int pages, bool no_full_screen,
               int refresh_rate);

// Closes the window and ends its thread; does nothing when none is open.
void CloseWindow();

bool WindowIsOpen();

// Chooses the page that drawing goes to and the page the window shows (0 or 1 each).
void SelectPages(int work_page, int visible_page);

// Fills the work page with the text background colour. Mode 0 also returns the text cursor
// to the top-left cell; mode 1 leaves it where it is.
void ClearScreen(int mode = 0);

// Copies the work page onto the visible page and wakes the window to show it.
void CopyPage();

// Blocks for one frame at the display's refresh rate, or 16 ms when it gives none.
// Returns 0, or IllegalFunctionCall without a window.
int WaitVSync();
