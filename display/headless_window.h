// A window backend without a window, for tests: keys come from the test, and every page
// the window would show can be inspected.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "display/window_backend.h"

using Frame = std::vector<Colour>;  // 300 x 300 colours, row by row

class HeadlessWindow final : public WindowBackend {
 public:
  bool Open(const std::string& title) override;
  void Close() override;
  void ShowVisiblePage() override;
  double RefreshRate() override { return refresh_rate; }
  void KeyWanted() override;

  // Set by the test.
  bool refuse_open = false;                    // Open fails, as without a display
  double refresh_rate = 0;                     // what the "display" reports
  std::function<void()> on_key_wanted;         // called when the game waits for a key
  std::function<void(const Frame&)> on_frame;  // called with every page shown

  // Observed.
  std::string title;
  bool open = false;
  int frames_shown = 0;
  Frame last_frame;
};

// Test seam: installs a fresh headless backend for the next OpenWindow and returns it.
HeadlessWindow& UseHeadlessWindow();
