// Code page 437, the character set of the game's texts and of the font.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The character byte `code` stands for.
char32_t Cp437ToUnicode(std::uint8_t code);

// The byte of code page 437 for `character`, or -1 when the code page lacks it.
int UnicodeToCp437(char32_t character);

// Converts typed UTF-8 text to code page 437, dropping characters the code page lacks,
// control characters and malformed bytes.
std::string Utf8ToCp437(std::string_view text);
