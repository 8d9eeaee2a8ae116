// Off-screen images and drawing them onto the work page.
#pragma once

#include <cstdint>
#include <vector>

#include "display/pages.h"
#include "game/game_state.h"

struct Image {
  int width = 0;
  int height = 0;
  std::size_t capacity = 0;    // pixels the image was created with; a load never exceeds it
  std::vector<Colour> pixels;  // row by row from the top, each row from the left
};

enum DrawMode { PsetMode, AlphaMode };

inline constexpr int MaxImageSide = 4096;

// Creates a width x height image (1 to MaxImageSide each) filled with the mask colour.
// Returns 0 (no image) without an open window or for a size out of range.
ImageHandle CreateImage(int width, int height);

// Releases the image; its handle may be issued again.
void FreeImage(ImageHandle handle);

// The image behind a handle, or nullptr.
Image* FindImage(ImageHandle handle);

// Draws the image with its top-left corner at (x, y) on the work page, cut at the page's
// edges. PsetMode copies every pixel; AlphaMode blends every pixel that is not the mask
// colour with `alpha` (0 to 255). Returns 0, or IllegalFunctionCall without a window or
// for an unknown handle.
int PutImage(double x, double y, ImageHandle handle, DrawMode mode, int alpha = 0);

// One AlphaMode pixel: each of red, green and blue becomes d + floor((s - d) * (alpha + 1)
// / 256); the top byte stays that of `d`.
Colour BlendPixel(Colour d, Colour s, int alpha);

// True for red 255, green 0, blue 255, whatever the top byte.
constexpr bool IsMaskColour(Colour c) {
  return (c & 0x00FFFFFF) == MaskColour;
}
