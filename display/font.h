// The 8 x 8 text font: one glyph for each of the 256 characters of code page 437.
#pragma once

#include <array>
#include <cstdint>

// Eight rows from the top; in each row bit 7 is the leftmost pixel.
using Glyph = std::array<std::uint8_t, 8>;

inline constexpr int GlyphSize = 8;

const Glyph& FontGlyph(std::uint8_t code);
