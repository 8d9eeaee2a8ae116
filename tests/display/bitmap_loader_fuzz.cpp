// libFuzzer target: decodes arbitrary bytes into images of the game's two sizes.
#include <cstddef>
#include <cstdint>

#include "display/bitmap_loader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  for (int side : {90, 300}) {
    Image image;
    image.width = image.height = side;
    image.capacity = static_cast<std::size_t>(side) * side;
    image.pixels.assign(image.capacity, MaskColour);
    const int result = DecodeBitmap(data, size, image);
    if (result < 0 || result > 3) __builtin_trap();
    if (image.pixels.size() > image.capacity) __builtin_trap();
  }
  return 0;
}
