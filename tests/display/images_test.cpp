#include "display/images.h"

#include <gtest/gtest.h>

#include "display/display_errors.h"
#include "tests/support/display_fixture.h"

namespace {

struct BlendCase {
  Colour page;
  Colour image;
  int alpha;
  Colour expected;
};

TEST(BlendPixelTest, BlendsEachChannelWithFlooring) {
  const BlendCase cases[] = {
      {0x000000, 0xFFFFFF, 150, 0x969696},        // white over black: 150
      {0x000000, 0xFFFFFF, 200, 0xC8C8C8},        // 200
      {0xFFFFFF, 0x000000, 150, 0x686868},        // black over white: 104
      {0xFFFFFF, 0x000000, 200, 0x363636},        // 54
      {0x000000, 0xFF0000, 150, 0x960000},        // a pure red mark over black
      {0x102030, 0x102030, 150, 0x102030},        // equal colours stay
      {0xAB000000, 0x00FFFFFF, 150, 0xAB969696},  // the page's top byte stays
  };
  for (const BlendCase& c : cases) {
    EXPECT_EQ(BlendPixel(c.page, c.image, c.alpha), c.expected)
        << std::hex << c.page << " under " << c.image << " alpha " << std::dec << c.alpha;
  }
}

class PutImageTest : public DisplayTest {};

TEST_F(PutImageTest, MaskColourIsSkippedWhenBlendedAndCopiedWhenSet) {
  const ImageHandle image = CreateImage(2, 1);
  FindImage(image)->pixels = {0xFFFF00FF, 0x00FFFFFF};  // mask (any top byte), white
  SetTextColour(0xFFFFFFFF, 0x00204060);
  ClearScreen();
  EXPECT_EQ(PutImage(0, 0, image, AlphaMode, 150), 0);
  EXPECT_EQ(WorkPixel(0, 0), 0x00204060u);
  EXPECT_EQ(WorkPixel(1, 0), BlendPixel(0x00204060, 0x00FFFFFF, 150));
  EXPECT_EQ(PutImage(0, 0, image, PsetMode), 0);
  EXPECT_EQ(WorkPixel(0, 0), 0xFFFF00FFu);
  EXPECT_EQ(WorkPixel(1, 0), 0x00FFFFFFu);
  FreeImage(image);
}

TEST_F(PutImageTest, CutsAtEveryEdgeWithoutFailing) {
  const ImageHandle image = CreateImage(10, 10);
  FindImage(image)->pixels.assign(100, 0x00123456);
  struct Placement {
    double x, y;
    int expected_pixels;
  };
  const Placement placements[] = {
      {-5, 0, 50},    {295, 0, 50}, {0, -5, 50}, {0, 295, 50},  {-5, -5, 25},
      {295, 295, 25}, {-10, 0, 0},  {300, 0, 0}, {0, 1e300, 0}, {-1e300, 0, 0},
  };
  for (const Placement& p : placements) {
    ClearScreen();
    EXPECT_EQ(PutImage(p.x, p.y, image, PsetMode), 0);
    int painted = 0;
    ReadVisiblePage([&](const Colour* page) {
      for (int i = 0; i < PageWidth * PageHeight; ++i) painted += page[i] == 0x00123456;
    });
    EXPECT_EQ(painted, p.expected_pixels) << p.x << ", " << p.y;
  }
  FreeImage(image);
}

TEST_F(PutImageTest, AMarkAtTheLastCellCoversThePagesLastRow) {
  const ImageHandle image = CreateImage(90, 90);
  FindImage(image)->pixels.assign(90 * 90, 0x00FFFFFF);
  ClearScreen();
  EXPECT_EQ(PutImage(200, 210, image, PsetMode), 0);
  EXPECT_EQ(WorkPixel(200, 210), 0x00FFFFFFu);
  EXPECT_EQ(WorkPixel(289, 299), 0x00FFFFFFu);
  EXPECT_EQ(WorkPixel(290, 299), 0u);
  EXPECT_EQ(WorkPixel(199, 210), 0u);
  EXPECT_EQ(WorkPixel(200, 209), 0u);
  FreeImage(image);
}

TEST_F(PutImageTest, FailsForUnknownImagesAndWithoutWindow) {
  EXPECT_EQ(PutImage(0, 0, 0, PsetMode), IllegalFunctionCall);
  EXPECT_EQ(PutImage(0, 0, 12345, AlphaMode, 150), IllegalFunctionCall);
  const ImageHandle image = CreateImage(1, 1);
  CloseWindow();
  EXPECT_EQ(PutImage(0, 0, image, PsetMode), IllegalFunctionCall);
  FreeImage(image);
}

TEST_F(PutImageTest, NewImagesHoldTheMaskColourAndSizesAreChecked) {
  const ImageHandle image = CreateImage(90, 90);
  EXPECT_EQ(FindImage(image)->pixels, std::vector<Colour>(90 * 90, MaskColour));
  EXPECT_EQ(CreateImage(0, 90), 0);
  EXPECT_EQ(CreateImage(90, MaxImageSide + 1), 0);
  FreeImage(image);
  EXPECT_EQ(FindImage(image), nullptr);
}

}  // namespace
