// Writes 24-bit bottom-up BMP files, the format the game loads.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct Picture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // 0x00RRGGBB, row by row from the top

  Picture(int w, int h, std::uint32_t fill) : width(w), height(h), pixels(w * h, fill) {}
  std::uint32_t& at(int x, int y) { return pixels[y * width + x]; }
};

// Returns false when the file cannot be written.
bool WriteBmp24(const std::string& path, const Picture& picture);
