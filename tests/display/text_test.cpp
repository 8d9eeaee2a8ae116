#include "display/text.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "display/display_errors.h"
#include "display/font.h"
#include "tests/support/display_fixture.h"

namespace {

constexpr Colour kInk = 0x00FF0000;
constexpr Colour kPaper = 0x00000040;

// True when the 8 x 8 cell at (left, top) shows `code`: set pixels in `ink`, the others
// in `paper`.
bool CellShows(int left, int top, std::uint8_t code, Colour ink, Colour paper) {
  const Glyph& glyph = FontGlyph(code);
  bool same = true;
  ReadVisiblePage([&](const Colour* page) {
    for (int row = 0; row < 8; ++row) {
      for (int column = 0; column < 8; ++column) {
        const Colour want = (glyph[row] & (0x80 >> column)) ? ink : paper;
        same = same && page[(top + row) * PageWidth + left + column] == want;
      }
    }
  });
  return same;
}

class TextTest : public DisplayTest {};

TEST_F(TextTest, DrawTextSetsOnlyTheGlyphPixels) {
  SetTextColour(0xFFFFFFFF, kPaper);
  ClearScreen();
  SetTextColour(kInk);
  EXPECT_EQ(DrawText(16, 24, "\x81"), 0);  // the u with diaeresis
  EXPECT_TRUE(CellShows(16, 24, 129, kInk, kPaper));
  EXPECT_EQ(DrawText(0, 0, ""), IllegalFunctionCall);
}

TEST_F(TextTest, ALongTextIsCutAtTheRightEdge) {
  SetTextColour(0x00FFFFFF);
  const std::string text(40, '\xDB');  // full blocks
  EXPECT_EQ(DrawText(0, 0, text), 0);
  // The 38th character starts at x = 296: only its four left columns are on the page.
  EXPECT_EQ(WorkPixel(299, 0), 0x00FFFFFFu);
  EXPECT_EQ(WorkPixel(299, 7), 0x00FFFFFFu);
  EXPECT_EQ(WorkPixel(0, 8), 0u);
}

TEST_F(TextTest, PrintTextFillsCellsWrapsAndScrolls) {
  SetTextColour(kInk, kPaper);
  ClearScreen();
  PrintText("AB", false);
  EXPECT_TRUE(CellShows(0, 0, 'A', kInk, kPaper));
  EXPECT_TRUE(CellShows(8, 0, 'B', kInk, kPaper));
  PrintText("C", true);
  PrintText("D", false);
  EXPECT_TRUE(CellShows(16, 0, 'C', kInk, kPaper));
  EXPECT_TRUE(CellShows(0, 8, 'D', kInk, kPaper));

  // 36 more characters fill row 1 and wrap the last one to row 2.
  PrintText(std::string(36, 'x'), false);
  EXPECT_TRUE(CellShows(288, 8, 'x', kInk, kPaper));
  PrintText("y", false);
  EXPECT_TRUE(CellShows(0, 16, 'y', kInk, kPaper));

  // Lines down to the last row, then one more: everything moves up by 8 pixels.
  for (int row = 2; row < TextRows - 1; ++row) PrintText("", true);
  PrintText("z", false);
  EXPECT_TRUE(CellShows(0, 288, 'z', kInk, kPaper));
  PrintText("", true);
  EXPECT_TRUE(CellShows(0, 0, 'D', kInk, kPaper));
  EXPECT_TRUE(CellShows(0, 8, 'y', kInk, kPaper));
  EXPECT_TRUE(CellShows(0, 280, 'z', kInk, kPaper));
  EXPECT_TRUE(CellShows(0, 288, ' ', kInk, kPaper));
}

TEST(PrintTextWithoutWindowTest, WritesToStandardOutput) {
  testing::internal::CaptureStdout();
  PrintText("Fehler Nr.: ", false);
  PrintText(" 2", true);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "Fehler Nr.:  2\n");
}

}  // namespace
