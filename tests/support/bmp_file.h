// Reads a 24-bit bottom-up BMP file, independently of the game's loader, so that tests
// can compute what the screen must show from the real bitmaps.
#pragma once

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

struct BmpPicture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // 0x00RRGGBB, top row first
  std::uint32_t at(int x, int y) const { return pixels[y * width + x]; }
};

inline BmpPicture ReadBmp24(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  const std::vector<unsigned char> b((std::istreambuf_iterator<char>(file)), {});
  auto u32 = [&](std::size_t at) {
    return static_cast<std::uint32_t>(b[at] | b[at + 1] << 8 | b[at + 2] << 16 | b[at + 3] << 24);
  };
  BmpPicture picture;
  picture.width = static_cast<int>(u32(18));
  picture.height = static_cast<int>(u32(22));
  const std::size_t offset = u32(10), row_bytes = (picture.width * 3 + 3) / 4 * 4;
  picture.pixels.resize(static_cast<std::size_t>(picture.width) * picture.height);
  for (int y = 0; y < picture.height; ++y) {
    const unsigned char* row = &b[offset + row_bytes * (picture.height - 1 - y)];
    for (int x = 0; x < picture.width; ++x) {
      picture.pixels[y * picture.width + x] =
          row[3 * x + 2] << 16 | row[3 * x + 1] << 8 | row[3 * x];
    }
  }
  return picture;
}
