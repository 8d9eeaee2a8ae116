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

// One channel at bit `shift`: d + floor((s - d) * weight / 256), weight = alpha + 1. An
// arithmetic shift floors towards minus infinity, as the blend requires.
inline Colour BlendChannel(Colour d, Colour s, int weight, int shift) {
  const int dc = static_cast<int>((d >> shift) & 0xFF);
  const int sc = static_cast<int>((s >> shift) & 0xFF);
  return static_cast<Colour>(dc + (((sc - dc) * weight) >> 8)) << shift;
}

inline Colour Blend(Colour d, Colour s, int weight) {
  return (d & 0xFF000000u) | BlendChannel(d, s, weight, 16) | BlendChannel(d, s, weight, 8) |
         BlendChannel(d, s, weight, 0);
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
  return Blend(d, s, alpha + 1);
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
  if (first_column >= last_column || first_row >= last_row) return 0;  // wholly off the page

  DisplayState& d = Display();
  std::lock_guard guard(d.lock);
  Colour* page = WorkPage();
  for (int row = first_row; row < last_row; ++row) {
    const Colour* source = &image->pixels[static_cast<std::size_t>(row) * image->width];
    // The pixels of this image row that lie on the page; left + first_column >= 0.
    Colour* target = &page[(top + row) * PageWidth + left + first_column];
    const Colour* from = source + first_column;
    const int count = last_column - first_column;
    if (mode == PsetMode) {
      std::copy(from, from + count, target);
      continue;
    }
    // Computed for every pixel and then chosen, without a branch, so that the compiler
    // can blend several pixels at once.
    const int weight = alpha + 1;
    for (int i = 0; i < count; ++i) {
      const Colour s = from[i];
      const Colour d = target[i];
      target[i] = IsMaskColour(s) ? d : Blend(d, s, weight);
    }
  }
  return 0;
}
