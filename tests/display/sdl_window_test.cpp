// The SDL window on a real X display (run through tests/support/x_session).
#include "display/sdl_window.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "display/images.h"
#include "display/key_queue.h"
#include "display/pages.h"
#include "display/text.h"
#include "tests/support/x_tools.h"

namespace {

using namespace std::chrono_literals;

class SdlWindowTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    ASSERT_NE(std::getenv("DISPLAY"), nullptr) << "run this test through x_session";
    UseWindowBackend(MakeSdlWindow());
    SetWindowTitle("Zwickelspiel...");
    ASSERT_EQ(OpenWindow(300, 300, 32, 2, true, 0), 0);
    window_ = FindWindow("Zwickelspiel");
    ASSERT_FALSE(window_.empty());
    Shell("xdotool windowactivate --sync " + window_ + " 2>/dev/null");
  }
  static void TearDownTestSuite() { CloseWindow(); }
  void SetUp() override { ClearKeys(); }

  // The keys that arrive within two seconds, as strings.
  static std::vector<std::string> KeysArriving(std::size_t count) {
    std::vector<std::string> keys;
    const auto deadline = std::chrono::steady_clock::now() + 2s;
    while (keys.size() < count && std::chrono::steady_clock::now() < deadline) {
      if (std::string key = PollKey(); !key.empty()) {
        keys.push_back(key);
      } else {
        WaitForKey(20);
      }
    }
    return keys;
  }

  static std::string window_;
};
std::string SdlWindowTest::window_;

TEST_F(SdlWindowTest, IsAFixedCentredWindowWithTheCaption) {
  const std::string info = Shell("xwininfo -id " + window_);
  EXPECT_NE(info.find("Width: 300\n"), std::string::npos) << info;
  EXPECT_NE(info.find("Height: 300\n"), std::string::npos) << info;
  // Centred on the 1024 x 768 screen; the window manager's frame is placed there.
  EXPECT_NE(info.find("-geometry 300x300+362+234"), std::string::npos) << info;

  const std::string props = Shell("xprop -id " + window_ + " WM_NAME WM_NORMAL_HINTS");
  EXPECT_NE(props.find("WM_NAME(STRING) = \"Zwickelspiel...\""), std::string::npos) << props;
  EXPECT_NE(props.find("program specified minimum size: 300 by 300"), std::string::npos) << props;
  EXPECT_NE(props.find("program specified maximum size: 300 by 300"), std::string::npos) << props;
}

TEST_F(SdlWindowTest, KeysArriveAsKeyStrings) {
  Shell("xdotool key --delay 30 q shift+w udiaeresis Up Left F1 F12 Return ctrl+c");
  EXPECT_EQ(KeysArriving(9), (std::vector<std::string>{"q", "W", "\x81", "\xFFH", "\xFFK", "\xFF;",
                                                       "\xFF\x86", "\r", "\x03"}));
}

TEST_F(SdlWindowTest, CloseRequestsArriveAsTheCloseKeyAndTheWindowStays) {
  Shell("xdotool key alt+F4");
  EXPECT_EQ(KeysArriving(1), std::vector<std::string>{"\xFFk"});
  Shell("wmctrl -c Zwickelspiel");
  EXPECT_EQ(KeysArriving(1), std::vector<std::string>{"\xFFk"});
  EXPECT_EQ(FindWindow("Zwickelspiel"), window_);
}

TEST_F(SdlWindowTest, ACopiedPageReachesTheScreenPixelForPixel) {
  SelectPages(1, 0);
  SetTextColour(0xFFFFFFFF, 0x00102030);
  ClearScreen();
  const ImageHandle image = CreateImage(90, 90);
  for (int i = 0; i < 90 * 90; ++i)
    FindImage(image)->pixels[i] = 0xAB000000u | (i * 2654435761u >> 8);
  PutImage(200, 210, image, PsetMode);
  SetTextColour(0x00FF0000);
  DrawText(0, 0, "Spieler: 0 Computer: 0 Keiner: 0");
  WaitVSync();
  CopyPage();
  std::this_thread::sleep_for(100ms);

  std::vector<Colour> expected;
  ReadVisiblePage(
      [&](const Colour* page) { expected.assign(page, page + PageWidth * PageHeight); });
  const std::string rgb = CaptureRgb(window_);
  ASSERT_EQ(rgb.size(), 300u * 300u * 3u);
  int wrong = 0;
  for (int i = 0; i < PageWidth * PageHeight; ++i) {
    const Colour shown = (static_cast<unsigned char>(rgb[3 * i]) << 16) |
                         (static_cast<unsigned char>(rgb[3 * i + 1]) << 8) |
                         static_cast<unsigned char>(rgb[3 * i + 2]);
    wrong += shown != (expected[i] & 0x00FFFFFF);
  }
  EXPECT_EQ(wrong, 0);
  FreeImage(image);
}

}  // namespace
