#include <chrono>
#include <cmath>
#include <thread>

#include "display/display_errors.h"
#include "display/display_state.h"
#include "display/sdl_window.h"

DisplayState& Display() {
  static DisplayState state;
  return state;
}

int ToPixel(double coordinate) {
  constexpr double kFar = 1 << 20;
  if (!(coordinate > -kFar && coordinate < kFar)) return -(1 << 21);
  return static_cast<int>(std::floor(coordinate));
}

void UseWindowBackend(std::unique_ptr<WindowBackend> backend) {
  CloseWindow();
  Display().backend = std::move(backend);
}

void ReadVisiblePage(const std::function<void(const Colour*)>& read) {
  DisplayState& d = Display();
  std::lock_guard guard(d.lock);
  read(d.pages[d.visible_page].data());
}

void SetWindowTitle(std::string_view title) {
  Display().title = title.substr(0, 127);
}

int OpenWindow(int width, int height, int bits_per_pixel, int pages, bool /*no_full_screen*/,
               int /*refresh_rate*/) {
  DisplayState& d = Display();
  if (d.window_open || width != PageWidth || height != PageHeight || bits_per_pixel != 32 ||
      pages < 1 || pages > 2) {
    return IllegalFunctionCall;
  }
  {
    std::lock_guard guard(d.lock);
    for (auto& page : d.pages) page.fill(0);
    d.work_page = d.visible_page = 0;
  }
  d.foreground = 0xFFFFFFFF;
  d.background = 0;
  d.cursor_column = d.cursor_row = 0;
  if (!d.backend) d.backend = MakeSdlWindow();
  if (!d.backend->Open(d.title)) return IllegalFunctionCall;
  d.window_open = true;
  return 0;
}

void CloseWindow() {
  DisplayState& d = Display();
  if (!d.window_open) return;
  d.backend->Close();
  d.window_open = false;
}

bool WindowIsOpen() {
  return Display().window_open;
}

void SelectPages(int work_page, int visible_page) {
  DisplayState& d = Display();
  if (work_page < 0 || work_page > 1 || visible_page < 0 || visible_page > 1) return;
  bool visible_changed;
  {
    std::lock_guard guard(d.lock);
    visible_changed = d.visible_page != visible_page;
    d.work_page = work_page;
    d.visible_page = visible_page;
  }
  if (visible_changed && d.window_open) d.backend->ShowVisiblePage();
}

void ClearScreen(int mode) {
  DisplayState& d = Display();
  {
    std::lock_guard guard(d.lock);
    d.pages[d.work_page].fill(d.background);
  }
  if (mode != 1) d.cursor_column = d.cursor_row = 0;
}

void CopyPage() {
  DisplayState& d = Display();
  {
    std::lock_guard guard(d.lock);
    if (d.work_page != d.visible_page) d.pages[d.visible_page] = d.pages[d.work_page];
  }
  if (d.window_open) d.backend->ShowVisiblePage();
}

int WaitVSync() {
  DisplayState& d = Display();
  if (!d.window_open) return IllegalFunctionCall;
  const double rate = d.backend->RefreshRate();
  const auto frame =
      rate > 0 ? std::chrono::duration<double>(1.0 / rate) : std::chrono::duration<double>(0.016);
  std::this_thread::sleep_for(frame);
  return 0;
}
