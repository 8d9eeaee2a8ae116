#include "display/images.h"

#include <algorithm>
#include <memory>

#include "display/display_errors.h"
#include "display/display_state.h"

namespace {

std::vector<std::unique_ptr<Image>>& Images() {
  static std::vector<std::unique_ptr<Image>> images;
  return images;
}

int BlendChannel(int d, int s, int alpha) {
  // An arithmetic shift floors towards minus infinity, as the blend requires.
  return d + (((s - d) * (alpha + 1)) >> 8);
}

}  // namespace

ImageHandle CreateImage(int width, int height) {
  if (!WindowIsOpen() || width < 1 || height < 1 || width > MaxImageSide || height > MaxImageSide) {
    return 0;
  }
  auto image = std::make_unique<Image>();
  image->width = width;
  image->height = height;
  image->capacity = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
  image->pixels.assign(image->capacity, MaskColour);
  auto& images = Images();
  auto slot = std::find(images.begin(), images.end(), nullptr);
  if (slot == images.end()) slot = images.insert(images.end(), nullptr);
  *slot = std::move(image);
  return static_cast<ImageHandle>(slot - images.begin() + 1);
}

Image* FindImage(ImageHandle handle) {
  auto& images = Images();
  if (handle < 1 || static_cast<std::size_t>(handle) > images.size()) return nullptr;
  return images[handle - 1].get();
}

void FreeImage(ImageHandle handle) {
  if (FindImage(handle)) Images()[handle - 1].reset();
}

Colour BlendPixel(Colour d, Colour s, int alpha) {
  Colour out = d & 0xFF000000u;
  for (int shift : {16, 8, 0}) {
    const int channel = BlendChannel((d >> shift) & 0xFF, (s >> shift) & 0xFF, alpha);
    out |= static_cast<Colour>(channel) << shift;
  }
  return out;
}

int PutImage(double x, double y, ImageHandle handle, DrawMode mode, int alpha) {
  const Image* image = FindImage(handle);
  if (!WindowIsOpen() || !image) return IllegalFunctionCall;
  alpha = std::clamp(alpha, 0, 255);
  const int left = ToPixel(x);
  const int top = ToPixel(y);
  const int first_column = std::max(0, -left);
  const int last_column = std::min(image->width, PageWidth - left);
  const int first_row = std::max(0, -top);
  const int last_row = std::min(image->height, PageHeight - top);

  DisplayState& d = Display();
  std::lock_guard guard(d.lock);
  Colour* page = WorkPage();
  for (int row = first_row; row < last_row; ++row) {
    const Colour* source = &image->pixels[static_cast<std::size_t>(row) * image->width];
    Colour* target = &page[(top + row) * PageWidth + left];
    for (int column = first_column; column < last_column; ++column) {
      const Colour s = source[column];
      if (mode == PsetMode) {
        target[column] = s;
      } else if (!IsMaskColour(s)) {
        target[column] = BlendPixel(target[column], s, alpha);
      }
    }
  }
  return 0;
}
