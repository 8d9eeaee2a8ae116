// Writes small valid bitmaps of every supported depth into a folder, as fuzzing seeds.
// Usage: bitmap_seeds FOLDER
#include <fstream>
#include <string>

#include "tests/support/bmp_bytes.h"

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  const BmpContent contents[] = {
      {3, 2, 1, {0x000000, 0xFFFFFF}, {0, 1, 0, 1, 0, 1}},
      {5, 3, 4, {0, 0xFF0000, 0x00FF00, 0x0000FF}, std::vector<std::uint32_t>(15, 2)},
      {4, 4, 8, {0x102030, 0x405060, 0x708090}, std::vector<std::uint32_t>(16, 1)},
      {3, 3, 24, {}, std::vector<std::uint32_t>(9, 0xFF00FF)},
      {2, 5, 32, {}, std::vector<std::uint32_t>(10, 0x80123456)},
  };
  int n = 0;
  for (const BmpContent& content : contents) {
    const auto bytes = MakeBmp(content);
    std::ofstream(std::string(argv[1]) + "/seed" + std::to_string(n++) + ".bmp", std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
  }
  return 0;
}
