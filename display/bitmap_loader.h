// Reading BMP files into images. The files come from the working directory, so the loader
// treats every byte as hostile: it never reads past the data, never computes a size that
// can overflow and never writes outside the image.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "display/images.h"

// Largest file the loader reads; bytes beyond it count as missing.
inline constexpr std::size_t MaxBitmapFileBytes = 64u << 20;

// Loads the BMP file `file_name` into the image. Returns 0, or
//   IllegalFunctionCall: no window is open, no such image, or 15 or 16 bits per pixel;
//   FileNotFound: the file cannot be opened for reading;
//   FileIoError: not an uncompressed bottom-up BMP of 1, 4, 8, 24 or 32 bits per pixel that
//     fits the image, or its pixel rows end early.
// Every failure but early-ending rows leaves the image unchanged; then the image has the
// bitmap's size and keeps the rows read before the short one.
int LoadBitmap(const std::string& file_name, ImageHandle handle);

// The decoding step of LoadBitmap on bytes in memory, with the same results.
int DecodeBitmap(const std::uint8_t* data, std::size_t size, Image& image);
