// The platform beneath the display services: something that shows the visible page in a
// window and feeds the key queue. The SDL window serves users; tests use the headless one.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "display/pages.h"

class WindowBackend {
 public:
  virtual ~WindowBackend() = default;
  // Opens a 300 x 300 window with the caption `title`. Returns false when no window can be
  // shown. Called on the game's thread.
  virtual bool Open(const std::string& title) = 0;
  // Closes the window; the backend may be opened again afterwards.
  virtual void Close() = 0;
  // The visible page has changed and must reach the screen.
  virtual void ShowVisiblePage() = 0;
  // Frames per second of the display, or 0 when it gives none.
  virtual double RefreshRate() = 0;
  // The game is about to wait for a key and the queue is empty.
  virtual void KeyWanted() {}
};

// Test seam: the backend the next OpenWindow uses. Without a call, it is the SDL window.
void UseWindowBackend(std::unique_ptr<WindowBackend> backend);

// Calls `read` with the visible page's 300 x 300 colours, holding the display lock.
void ReadVisiblePage(const std::function<void(const Colour* pixels)>& read);
