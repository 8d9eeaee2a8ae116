#include "display/cp437.h"

#include <gtest/gtest.h>

namespace {

// Encodes one character as UTF-8.
std::string Utf8(char32_t c) {
  std::string s;
  if (c < 0x80) {
    s += static_cast<char>(c);
  } else if (c < 0x800) {
    s += static_cast<char>(0xC0 | (c >> 6));
    s += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    s += static_cast<char>(0xE0 | (c >> 12));
    s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (c & 0x3F));
  }
  return s;
}

TEST(Cp437Test, TypedTextBecomesCodePageBytes) {
  struct Case {
    const char* typed;
    const char* bytes;
  };
  const Case cases[] = {
      {"q", "q"},
      {"\xC3\xBC", "\x81"},                  // u with diaeresis
      {"Gr\xC3\xBC\xC3\x9F", "Gr\x81\xE1"},  // sharp s is byte 225
      {"\xE2\x82\xAC", ""},                  // the euro sign is not in the code page
      {"\xC3", ""},                          // a truncated sequence
      {"\x80z", "z"},                        // a stray continuation byte
      {"\r\x1B", ""},                        // control characters come as keys, not text
  };
  for (const Case& c : cases) EXPECT_EQ(Utf8ToCp437(c.typed), c.bytes) << c.typed;
}

TEST(Cp437Test, EveryCharacterOfTheCodePageMapsToItsByte) {
  for (int code = 0x20; code < 256; ++code) {
    if (code == 0x7F) continue;
    const char32_t character = Cp437ToUnicode(static_cast<std::uint8_t>(code));
    EXPECT_EQ(Utf8ToCp437(Utf8(character)), std::string(1, static_cast<char>(code)))
        << "byte " << code;
  }
}

}  // namespace
