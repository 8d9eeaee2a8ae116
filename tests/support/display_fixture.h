// Opens the display services on the headless backend for a test and closes them after it.
#pragma once

#include <gtest/gtest.h>

#include "display/headless_window.h"
#include "display/key_queue.h"
#include "display/pages.h"
#include "display/text.h"

class DisplayTest : public testing::Test {
 protected:
  void SetUp() override {
    window_ = &UseHeadlessWindow();
    ASSERT_EQ(OpenWindow(300, 300, 32, 2, true, 0), 0);
    ClearKeys();
  }
  void TearDown() override {
    CloseWindow();
    ClearKeys();
  }

  // A pixel of the work page, which is also the visible page until SelectPages is called.
  static Colour WorkPixel(int x, int y) {
    Colour c = 0;
    ReadVisiblePage([&](const Colour* page) { c = page[y * PageWidth + x]; });
    return c;
  }

  HeadlessWindow* window_ = nullptr;
};
