// State shared by the display services' own files; nothing outside display/ includes this.
#pragma once

#include <array>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>

#include "display/pages.h"
#include "display/window_backend.h"

inline constexpr int KeySlots = 16;  // one slot always stays free: 15 keys at most

struct DisplayState {
  // Guards the pages, the page numbers, the key queue and the arrival flag. Held by every
  // service while it works on them and by the window's thread while it reads the visible
  // page or adds a key.
  std::mutex lock;
  std::condition_variable key_arrived;
  std::array<std::array<Colour, PageWidth * PageHeight>, 2> pages{};
  int work_page = 0;
  int visible_page = 0;
  std::array<int, KeySlots> keys{};
  int key_head = 0;  // oldest key
  int key_tail = 0;  // next free slot
  bool arrival = false;

  // Touched by the game's thread only.
  bool window_open = false;
  std::string title;
  std::unique_ptr<WindowBackend> backend;
  Colour foreground = 0xFFFFFFFF;
  Colour background = 0;
  int cursor_column = 0;
  int cursor_row = 0;
};

DisplayState& Display();

// The work page; the caller holds Display().lock.
inline Colour* WorkPage() {
  return Display().pages[Display().work_page].data();
}

// Converts a coordinate the game passes as a floating-point number with a whole value.
// Values far off the page become a position from which nothing reaches the page.
int ToPixel(double coordinate);
