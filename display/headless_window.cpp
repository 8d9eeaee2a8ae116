#include "display/headless_window.h"

#include <memory>

bool HeadlessWindow::Open(const std::string& window_title) {
  if (refuse_open) return false;
  title = window_title;
  open = true;
  return true;
}

void HeadlessWindow::Close() {
  open = false;
}

void HeadlessWindow::ShowVisiblePage() {
  ReadVisiblePage(
      [this](const Colour* pixels) { last_frame.assign(pixels, pixels + PageWidth * PageHeight); });
  ++frames_shown;
  if (on_frame) on_frame(last_frame);
}

void HeadlessWindow::KeyWanted() {
  if (on_key_wanted) on_key_wanted();
}

HeadlessWindow& UseHeadlessWindow() {
  auto backend = std::make_unique<HeadlessWindow>();
  HeadlessWindow& window = *backend;
  UseWindowBackend(std::move(backend));
  return window;
}
