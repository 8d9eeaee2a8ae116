// Builds BMP files in memory for the loader's tests and fuzzing seeds.
#pragma once

#include <cstdint>
#include <vector>

struct BmpContent {
  int width = 1;
  int height = 1;
  int bits = 24;
  std::vector<std::uint32_t> palette;  // 0x00RRGGBB entries
  // Per pixel, top row first: a palette index for 1, 4 and 8 bits, 0xAARRGGBB otherwise.
  std::vector<std::uint32_t> pixels;
};

inline void PutLe(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

inline std::vector<std::uint8_t> MakeBmp(const BmpContent& content) {
  const std::size_t offset = 54 + 4 * content.palette.size();
  const std::size_t row_bytes =
      (static_cast<std::size_t>(content.width) * content.bits + 31) / 32 * 4;
  std::vector<std::uint8_t> out(offset + row_bytes * content.height, 0);
  out[0] = 'B';
  out[1] = 'M';
  PutLe(out, 2, static_cast<std::uint32_t>(out.size()), 4);
  PutLe(out, 10, static_cast<std::uint32_t>(offset), 4);
  PutLe(out, 14, 40, 4);
  PutLe(out, 18, static_cast<std::uint32_t>(content.width), 4);
  PutLe(out, 22, static_cast<std::uint32_t>(content.height), 4);
  PutLe(out, 26, 1, 2);
  PutLe(out, 28, static_cast<std::uint32_t>(content.bits), 2);
  for (std::size_t i = 0; i < content.palette.size(); ++i)
    PutLe(out, 54 + 4 * i, content.palette[i], 4);
  for (int y = 0; y < content.height; ++y) {
    // Rows are stored bottom row first.
    std::uint8_t* row = &out[offset + row_bytes * (content.height - 1 - y)];
    for (int x = 0; x < content.width; ++x) {
      const std::uint32_t v = content.pixels[static_cast<std::size_t>(y) * content.width + x];
      if (content.bits >= 24) {
        for (int b = 0; b < content.bits / 8; ++b)
          row[x * (content.bits / 8) + b] = (v >> (8 * b)) & 0xFF;
      } else {
        const int bit = x * content.bits;
        row[bit / 8] |= static_cast<std::uint8_t>(v << (8 - content.bits - bit % 8));
      }
    }
  }
  return out;
}
