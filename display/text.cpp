#include "display/text.h"

#include <algorithm>
#include <cstdio>

#include "display/display_errors.h"
#include "display/display_state.h"
#include "display/font.h"

namespace {

// Draws one glyph with its top-left corner at (left, top); the caller holds the lock.
// With `fill`, clear pixels take `background`, otherwise they keep what is there.
void DrawGlyph(Colour* page, int left, int top, std::uint8_t code, Colour foreground, bool fill,
               Colour background) {
  const Glyph& glyph = FontGlyph(code);
  for (int row = 0; row < GlyphSize; ++row) {
    const int y = top + row;
    if (y < 0 || y >= PageHeight) continue;
    for (int column = 0; column < GlyphSize; ++column) {
      const int x = left + column;
      if (x < 0 || x >= PageWidth) continue;
      if (glyph[row] & (0x80 >> column)) {
        page[y * PageWidth + x] = foreground;
      } else if (fill) {
        page[y * PageWidth + x] = background;
      }
    }
  }
}

// Moves the text grid up by one row and clears its bottom row; the caller holds the lock.
void ScrollGrid(Colour* page, Colour background) {
  constexpr int kGridWidth = TextColumns * GlyphSize;
  constexpr int kGridHeight = TextRows * GlyphSize;
  for (int y = 0; y + GlyphSize < kGridHeight; ++y) {
    std::copy_n(&page[(y + GlyphSize) * PageWidth], kGridWidth, &page[y * PageWidth]);
  }
  for (int y = kGridHeight - GlyphSize; y < kGridHeight; ++y) {
    std::fill_n(&page[y * PageWidth], kGridWidth, background);
  }
}

void NextRow(DisplayState& d) {
  d.cursor_column = 0;
  if (++d.cursor_row < TextRows) return;
  d.cursor_row = TextRows - 1;
  std::lock_guard guard(d.lock);
  ScrollGrid(WorkPage(), d.background);
}

}  // namespace

void SetTextColour(Colour foreground) {
  Display().foreground = foreground;
}

void SetTextColour(Colour foreground, Colour background) {
  Display().foreground = foreground;
  Display().background = background;
}

int DrawText(double x, double y, std::string_view text) {
  DisplayState& d = Display();
  if (!d.window_open || text.empty()) return IllegalFunctionCall;
  const int left = ToPixel(x);
  const int top = ToPixel(y);
  std::lock_guard guard(d.lock);
  Colour* page = WorkPage();
  for (std::size_t i = 0; i < text.size(); ++i) {
    const long long cell_left = left + 8LL * static_cast<long long>(i);
    if (cell_left >= PageWidth) break;
    DrawGlyph(page, static_cast<int>(cell_left), top, static_cast<std::uint8_t>(text[i]),
              d.foreground, false, 0);
  }
  return 0;
}

void PrintText(std::string_view text, bool line_end) {
  DisplayState& d = Display();
  if (!d.window_open) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    if (line_end) std::fputc('\n', stdout);
    std::fflush(stdout);
    return;
  }
  for (char character : text) {
    {
      std::lock_guard guard(d.lock);
      DrawGlyph(WorkPage(), d.cursor_column * GlyphSize, d.cursor_row * GlyphSize,
                static_cast<std::uint8_t>(character), d.foreground, true, d.background);
    }
    if (++d.cursor_column == TextColumns) NextRow(d);
  }
  if (line_end) NextRow(d);
}
