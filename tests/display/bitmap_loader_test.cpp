#include "display/bitmap_loader.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "display/display_errors.h"
#include "display/images.h"
#include "tests/support/bmp_bytes.h"
#include "tests/support/display_fixture.h"

namespace {

constexpr Colour kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF, kWhite = 0xFFFFFF;

// A 3 x 2 picture (rows padded at every depth) in each supported depth.
struct DepthCase {
  int bits;
  std::vector<std::uint32_t> palette;
  std::vector<std::uint32_t> pixels;
  std::vector<Colour> expected;
};

const DepthCase kDepths[] = {
    {1, {kBlue, kWhite}, {1, 0, 1, 0, 1, 0}, {kWhite, kBlue, kWhite, kBlue, kWhite, kBlue}},
    {4, {0, kRed, kGreen, kBlue}, {1, 2, 3, 3, 2, 1}, {kRed, kGreen, kBlue, kBlue, kGreen, kRed}},
    {8, {0, kRed, kGreen, kBlue}, {3, 0, 1, 2, 2, 3}, {kBlue, 0, kRed, kGreen, kGreen, kBlue}},
    {24,
     {},
     {kRed, kGreen, kBlue, 0x123456, 0xABCDEF, 0},
     {kRed, kGreen, kBlue, 0x123456, 0xABCDEF, 0}},
    {32,
     {},
     {0x80FF0000, 0x0000FF00, 0xFF0000FF, 0x7F123456, 0x01ABCDEF, 0},
     {0x80FF0000, 0x0000FF00, 0xFF0000FF, 0x7F123456, 0x01ABCDEF, 0}},
};

Image FreshImage(int width, int height) {
  Image image;
  image.width = width;
  image.height = height;
  image.capacity = static_cast<std::size_t>(width) * height;
  image.pixels.assign(image.capacity, MaskColour);
  return image;
}

int Decode(const std::vector<std::uint8_t>& bytes, Image& image) {
  return DecodeBitmap(bytes.data(), bytes.size(), image);
}

TEST(DecodeBitmapTest, ReadsEveryDepthBottomUpWithPadding) {
  for (const DepthCase& c : kDepths) {
    SCOPED_TRACE(c.bits);
    Image image = FreshImage(4, 4);
    const auto bytes = MakeBmp({3, 2, c.bits, c.palette, c.pixels});
    ASSERT_EQ(Decode(bytes, image), 0);
    EXPECT_EQ(image.width, 3);
    EXPECT_EQ(image.height, 2);
    EXPECT_EQ(std::vector<Colour>(image.pixels.begin(), image.pixels.begin() + 6), c.expected);
  }
}

// A valid 24-bit 2 x 2 file, with one header field changed by `edit`.
std::vector<std::uint8_t> Edited(void (*edit)(std::vector<std::uint8_t>&)) {
  auto bytes = MakeBmp({2, 2, 24, {}, {kRed, kRed, kRed, kRed}});
  edit(bytes);
  return bytes;
}

struct RefusalCase {
  const char* name;
  std::vector<std::uint8_t> bytes;
  int result;
};

TEST(DecodeBitmapTest, RefusesBadFilesAndLeavesTheImageUnchanged) {
  const RefusalCase cases[] = {
      {"empty file", {}, FileIoError},
      {"not a bitmap", {'G', 'I', 'F', '8'}, FileIoError},
      {"raw dump 253", Edited([](auto& b) { b[0] = 253; }), FileIoError},
      {"raw dump 254", Edited([](auto& b) { b[0] = 254; }), FileIoError},
      {"short header", Edited([](auto& b) { b.resize(53); }), FileIoError},
      {"B without M", Edited([](auto& b) { b[1] = 'A'; }), FileIoError},
      {"info header of 12", Edited([](auto& b) { PutLe(b, 14, 12, 4); }), FileIoError},
      {"info header of 124", Edited([](auto& b) { PutLe(b, 14, 124, 4); }), FileIoError},
      {"15 bits", Edited([](auto& b) { PutLe(b, 28, 15, 2); }), IllegalFunctionCall},
      {"16 bits", Edited([](auto& b) { PutLe(b, 28, 16, 2); }), IllegalFunctionCall},
      {"2 bits", Edited([](auto& b) { PutLe(b, 28, 2, 2); }), FileIoError},
      {"0 bits", Edited([](auto& b) { PutLe(b, 28, 0, 2); }), FileIoError},
      {"compressed", Edited([](auto& b) { PutLe(b, 30, 1, 4); }), FileIoError},
      {"top-down", Edited([](auto& b) { PutLe(b, 22, static_cast<std::uint32_t>(-2), 4); }),
       FileIoError},
      {"zero width", Edited([](auto& b) { PutLe(b, 18, 0, 4); }), FileIoError},
      {"negative width", Edited([](auto& b) { PutLe(b, 18, 0x80000000u, 4); }), FileIoError},
      {"more pixels than the image", Edited([](auto& b) { PutLe(b, 18, 5, 4); }), FileIoError},
      {"huge dimensions", Edited([](auto& b) {
         PutLe(b, 18, 0x7FFFFFFF, 4);
         PutLe(b, 22, 0x7FFFFFFF, 4);
       }),
       FileIoError},
      {"pixel offset inside the headers", Edited([](auto& b) { PutLe(b, 10, 20, 4); }),
       FileIoError},
      {"pixel offset past the end", Edited([](auto& b) { PutLe(b, 10, 0xFFFFFFF0u, 4); }),
       FileIoError},
      {"palette of 257 entries",
       [] {
         auto b = MakeBmp({2, 2, 8, std::vector<std::uint32_t>(257, kRed), {0, 0, 0, 0}});
         return b;
       }(),
       FileIoError},
      {"index beyond the palette", MakeBmp({2, 2, 8, {kRed, kGreen}, {0, 1, 2, 0}}), FileIoError},
      {"palette-less 1-bit file", MakeBmp({2, 2, 1, {}, {0, 0, 0, 0}}), FileIoError},
  };
  for (const RefusalCase& c : cases) {
    SCOPED_TRACE(c.name);
    Image image = FreshImage(3, 3);
    const Image before = image;
    EXPECT_EQ(Decode(c.bytes, image), c.result);
    EXPECT_EQ(image.width, before.width);
    EXPECT_EQ(image.height, before.height);
    EXPECT_EQ(image.pixels, before.pixels);
  }
}

TEST(DecodeBitmapTest, ShortPixelDataKeepsTheRowsReadBeforeIt) {
  // 2 x 3, rows of 8 bytes (6 and 2 of padding); the file ends inside the second stored row.
  auto bytes = MakeBmp({2, 3, 24, {}, {kRed, kRed, kGreen, kGreen, kBlue, kWhite}});
  bytes.resize(54 + 8 + 5);
  Image image = FreshImage(4, 4);
  EXPECT_EQ(Decode(bytes, image), FileIoError);
  EXPECT_EQ(image.width, 2);
  EXPECT_EQ(image.height, 3);
  // The bottom row (stored first) was read; the two rows above it were not.
  EXPECT_EQ(image.pixels[4], kBlue);
  EXPECT_EQ(image.pixels[5], kWhite);
  EXPECT_EQ(image.pixels[0], MaskColour);
  EXPECT_EQ(image.pixels[2], MaskColour);
}

// Every input the fuzzer kept for its coverage, and every input that ever crashed the
// loader, decoded again: a result from 0 to 3 and nothing written beyond the image.
TEST(DecodeBitmapTest, ReplaysTheFuzzingCorpus) {
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(ZW_BITMAP_CORPUS)) {
    std::ifstream file(entry.path(), std::ios::binary);
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)), {});
    for (int side : {90, 300}) {
      Image image = FreshImage(side, side);
      const int result = Decode(bytes, image);
      EXPECT_GE(result, 0) << entry.path();
      EXPECT_LE(result, 3) << entry.path();
      EXPECT_LE(image.pixels.size(), image.capacity) << entry.path();
    }
    ++files;
  }
  EXPECT_GT(files, 0);
}

class LoadBitmapTest : public DisplayTest {
 protected:
  std::filesystem::path dir_ =
      std::filesystem::temp_directory_path() / ("zw_bmp_" + std::to_string(::getpid()));
  void SetUp() override {
    DisplayTest::SetUp();
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override {
    std::filesystem::remove_all(dir_);
    DisplayTest::TearDown();
  }
  std::string Write(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    const auto path = (dir_ / name).string();
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return path;
  }
};

TEST_F(LoadBitmapTest, LoadsAFileIntoAnImage) {
  const ImageHandle image = CreateImage(2, 1);
  ASSERT_NE(image, 0);
  EXPECT_EQ(LoadBitmap(Write("ok.BMP", MakeBmp({2, 1, 24, {}, {kRed, kBlue}})), image), 0);
  EXPECT_EQ(FindImage(image)->pixels, (std::vector<Colour>{kRed, kBlue}));
  FreeImage(image);
}

TEST_F(LoadBitmapTest, ReportsFilesThatCannotBeOpened) {
  const ImageHandle image = CreateImage(2, 2);
  EXPECT_EQ(LoadBitmap((dir_ / "missing.BMP").string(), image), FileNotFound);
  EXPECT_EQ(LoadBitmap(dir_.string(), image), FileNotFound);                  // a folder
  EXPECT_EQ(LoadBitmap(Write("x.BMP", {'B', 'M'}), 0), IllegalFunctionCall);  // no image
  EXPECT_EQ(FindImage(image)->pixels, std::vector<Colour>(4, MaskColour));
  FreeImage(image);
}

TEST(LoadBitmapWithoutWindowTest, NeedsAnOpenWindow) {
  EXPECT_EQ(LoadBitmap("anything.BMP", 1), IllegalFunctionCall);
  EXPECT_EQ(CreateImage(90, 90), 0);
}

}  // namespace
