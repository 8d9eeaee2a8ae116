#include "tools/bmp_writer.h"

#include <fstream>

namespace {

void PutU16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(v & 0xFF);
  out.push_back((v >> 8) & 0xFF);
}
void PutU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  PutU16(out, v & 0xFFFF);
  PutU16(out, v >> 16);
}

}  // namespace

bool WriteBmp24(const std::string& path, const Picture& picture) {
  const std::uint32_t row_bytes = (picture.width * 3 + 3) / 4 * 4;
  const std::uint32_t data_bytes = row_bytes * picture.height;
  std::vector<std::uint8_t> out;
  out.push_back('B');
  out.push_back('M');
  PutU32(out, 54 + data_bytes);  // file size
  PutU32(out, 0);                // reserved
  PutU32(out, 54);               // pixel data offset
  PutU32(out, 40);               // info header size
  PutU32(out, picture.width);
  PutU32(out, picture.height);  // positive: bottom row first
  PutU16(out, 1);               // planes
  PutU16(out, 24);              // bits per pixel
  PutU32(out, 0);               // no compression
  PutU32(out, data_bytes);
  PutU32(out, 2835);  // 72 dpi
  PutU32(out, 2835);
  PutU32(out, 0);
  PutU32(out, 0);
  for (int y = picture.height - 1; y >= 0; --y) {
    for (int x = 0; x < picture.width; ++x) {
      const std::uint32_t c = picture.pixels[y * picture.width + x];
      out.push_back(c & 0xFF);
      out.push_back((c >> 8) & 0xFF);
      out.push_back((c >> 16) & 0xFF);
    }
    for (std::uint32_t pad = picture.width * 3; pad < row_bytes; ++pad) out.push_back(0);
  }
  std::ofstream file(path, std::ios::binary);
  file.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
  return static_cast<bool>(file);
}
