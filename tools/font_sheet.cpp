// Renders the game's font as a 16 x 16 sheet of all 256 characters, each glyph enlarged
// four times in a cell with a grid between cells, as a 24-bit BMP.
// Usage: font_sheet OUTPUT.BMP
#include <cstdio>

#include "display/font.h"
#include "tools/bmp_writer.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT.BMP\n", argv[0]);
    return 2;
  }
  constexpr int kScale = 4;
  constexpr int kCell = GlyphSize * kScale + 4;  // glyph and a margin of 2 on each side
  Picture sheet(16 * kCell + 1, 16 * kCell + 1, 0x303848);
  for (int code = 0; code < 256; ++code) {
    const int left = (code % 16) * kCell;
    const int top = (code / 16) * kCell;
    for (int y = 1; y < kCell; ++y) {
      for (int x = 1; x < kCell; ++x) sheet.at(left + x, top + y) = 0x101018;
    }
    const Glyph& glyph = FontGlyph(static_cast<std::uint8_t>(code));
    for (int row = 0; row < GlyphSize; ++row) {
      for (int column = 0; column < GlyphSize; ++column) {
        if (!(glyph[row] & (0x80 >> column))) continue;
        for (int dy = 0; dy < kScale; ++dy) {
          for (int dx = 0; dx < kScale; ++dx) {
            sheet.at(left + 2 + column * kScale + dx, top + 2 + row * kScale + dy) = 0xF0F0F0;
          }
        }
      }
    }
  }
  if (!WriteBmp24(argv[1], sheet)) {
    std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
    return 1;
  }
  return 0;
}
