// Builds BMP files in memory for the loader's tests and fuzzing seeds.
#pragma once

#include <cstdint>
#include <vector>

struct BmpSpec {
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

inline std::vector<std::uint8_t> MakeBmp(const BmpSpec& spec) {
  const std::size_t offset = 54 + 4 * spec.palette.size();
  const std::size_t row_bytes = (static_cast<std::size_t>(spec.width) * spec.bits + 31) / 32 * 4;
  std::vector<std::uint8_t> out(offset + row_bytes * spec.height, 0);
  out[0] = 'B';
  out[1] = 'M';
  PutLe(out, 2, static_cast<std::uint32_t>(out.size()), 4);
  PutLe(out, 10, static_cast<std::uint32_t>(offset), 4);
  PutLe(out, 14, 40, 4);
  PutLe(out, 18, static_cast<std::uint32_t>(spec.width), 4);
  PutLe(out, 22, static_cast<std::uint32_t>(spec.height), 4);
  PutLe(out, 26, 1, 2);
  PutLe(out, 28, static_cast<std::uint32_t>(spec.bits), 2);
  for (std::size_t i = 0; i < spec.palette.size(); ++i) PutLe(out, 54 + 4 * i, spec.palette[i], 4);
  for (int y = 0; y < spec.height; ++y) {
    // Rows are stored bottom row first.
    std::uint8_t* row = &out[offset + row_bytes * (spec.height - 1 - y)];
    for (int x = 0; x < spec.width; ++x) {
      const std::uint32_t v = spec.pixels[static_cast<std::size_t>(y) * spec.width + x];
      if (spec.bits >= 24) {
        for (int b = 0; b < spec.bits / 8; ++b)
          row[x * (spec.bits / 8) + b] = (v >> (8 * b)) & 0xFF;
      } else {
        const int bit = x * spec.bits;
        row[bit / 8] |= static_cast<std::uint8_t>(v << (8 - spec.bits - bit % 8));
      }
    }
  }
  return out;
}
