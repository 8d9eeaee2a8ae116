#include "display/bitmap_loader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <vector>

#include "display/display_errors.h"

namespace {

constexpr std::size_t kFileHeaderBytes = 14;
constexpr std::size_t kInfoHeaderBytes = 40;
constexpr std::size_t kHeaderBytes = kFileHeaderBytes + kInfoHeaderBytes;
constexpr std::size_t kMaxPaletteEntries = 256;

std::uint32_t ReadU32(const std::uint8_t* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
std::int32_t ReadI32(const std::uint8_t* p) {
  return static_cast<std::int32_t>(ReadU32(p));
}
std::uint16_t ReadU16(const std::uint8_t* p) {
  return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

struct Layout {
  std::int64_t width;
  std::int64_t height;
  int bits;
  const std::uint8_t* palette;
  std::size_t palette_entries;
  std::size_t pixel_offset;
  std::size_t row_bytes;  // one row with its padding to a multiple of 4 bytes
};

// The palette index of pixel `column` in a row of 1, 4 or 8 bits per pixel; the leftmost
// pixel sits in the highest bits of a byte.
unsigned PaletteIndex(const std::uint8_t* row, std::int64_t column, int bits) {
  const std::int64_t bit = column * bits;
  const int shift = 8 - bits - static_cast<int>(bit % 8);
  return (row[bit / 8] >> shift) & ((1u << bits) - 1);
}

Colour PixelColour(const Layout& layout, const std::uint8_t* row, std::int64_t column) {
  switch (layout.bits) {
    case 24: {
      const std::uint8_t* p = row + column * 3;
      return (p[2] << 16) | (p[1] << 8) | p[0];
    }
    case 32: {
      const std::uint8_t* p = row + column * 4;
      return (static_cast<Colour>(p[3]) << 24) | (p[2] << 16) | (p[1] << 8) | p[0];
    }
    default: {
      const std::uint8_t* entry = layout.palette + 4 * PaletteIndex(row, column, layout.bits);
      return (entry[2] << 16) | (entry[1] << 8) | entry[0];
    }
  }
}

// True when every palette index in the complete rows that are present names an entry of
// the palette the file holds.
bool IndicesInPalette(const Layout& layout, const std::uint8_t* data, std::size_t size) {
  if (layout.bits > 8) return true;
  for (std::int64_t r = 0; r < layout.height; ++r) {
    const std::size_t start = layout.pixel_offset + static_cast<std::size_t>(r) * layout.row_bytes;
    if (start > size || size - start < layout.row_bytes) break;
    for (std::int64_t column = 0; column < layout.width; ++column) {
      if (PaletteIndex(data + start, column, layout.bits) >= layout.palette_entries) return false;
    }
  }
  return true;
}

}  // namespace

int DecodeBitmap(const std::uint8_t* data, std::size_t size, Image& image) {
  // Files beginning with 253 or 254 would be raw image dumps; they are refused like every
  // other file that is not a BMP.
  if (size == 0 || data[0] != 'B') return FileIoError;
  if (size < kHeaderBytes || data[1] != 'M' || ReadU32(data + 14) != kInfoHeaderBytes) {
    return FileIoError;
  }
  Layout layout{};
  layout.bits = ReadU16(data + 28);
  if (layout.bits == 15 || layout.bits == 16) return IllegalFunctionCall;
  if (layout.bits != 1 && layout.bits != 4 && layout.bits != 8 && layout.bits != 24 &&
      layout.bits != 32) {
    return FileIoError;
  }
  if (ReadU32(data + 30) != 0) return FileIoError;  // compressed
  layout.width = ReadI32(data + 18);
  layout.height = ReadI32(data + 22);  // negative: stored top-down, refused
  if (layout.width <= 0 || layout.height <= 0) return FileIoError;
  if (layout.width * layout.height > static_cast<std::int64_t>(image.capacity)) return FileIoError;

  layout.pixel_offset = ReadU32(data + 10);
  if (layout.pixel_offset < kHeaderBytes || layout.pixel_offset > size) return FileIoError;
  layout.palette = data + kHeaderBytes;
  layout.palette_entries = (layout.pixel_offset - kHeaderBytes) / 4;
  if (layout.palette_entries > kMaxPaletteEntries) return FileIoError;
  // width <= MaxImageSide * MaxImageSide here, so the row size cannot overflow.
  layout.row_bytes = static_cast<std::size_t>((layout.width * layout.bits + 31) / 32 * 4);
  if (!IndicesInPalette(layout, data, size)) return FileIoError;

  image.width = static_cast<int>(layout.width);
  image.height = static_cast<int>(layout.height);
  image.pixels.resize(static_cast<std::size_t>(layout.width * layout.height), MaskColour);
  // The rows lie bottom row first.
  for (std::int64_t r = 0; r < layout.height; ++r) {
    const std::size_t start = layout.pixel_offset + static_cast<std::size_t>(r) * layout.row_bytes;
    if (start > size || size - start < layout.row_bytes) return FileIoError;
    Colour* target =
        &image.pixels[static_cast<std::size_t>((layout.height - 1 - r) * layout.width)];
    for (std::int64_t column = 0; column < layout.width; ++column) {
      target[column] = PixelColour(layout, data + start, column);
    }
  }
  return 0;
}

int LoadBitmap(const std::string& file_name, ImageHandle handle) {
  Image* image = FindImage(handle);
  if (!WindowIsOpen() || !image) return IllegalFunctionCall;

  const int fd = open(file_name.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return FileNotFound;
  struct stat info {};
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    close(fd);
    return FileNotFound;
  }
  std::vector<std::uint8_t> bytes;
  std::uint8_t chunk[1 << 16];
  while (bytes.size() < MaxBitmapFileBytes) {
    const ssize_t got = read(fd, chunk, sizeof chunk);
    if (got <= 0) break;
    bytes.insert(bytes.end(), chunk, chunk + got);
  }
  close(fd);
  if (bytes.size() > MaxBitmapFileBytes) bytes.resize(MaxBitmapFileBytes);
  return DecodeBitmap(bytes.data(), bytes.size(), *image);
}
