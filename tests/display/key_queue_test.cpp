#include "display/key_queue.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "tests/support/display_fixture.h"

namespace {

using Clock = std::chrono::steady_clock;

class KeyQueueTest : public DisplayTest {};

TEST_F(KeyQueueTest, KeysComeAsStringsInOrder) {
  PushKey('q');
  PushKey(129);
  PushKey(NonCharacterKey + 'H');
  PushKey(CloseRequest);
  EXPECT_EQ(PollKey(), "q");
  EXPECT_EQ(PollKey(), "\x81");
  EXPECT_EQ(PollKey(), "\xFFH");
  EXPECT_EQ(PollKey(), "\xFFk");
  EXPECT_EQ(PollKey(), "");
}

TEST_F(KeyQueueTest, TheSixteenthArrivalPushesOutTheOldest) {
  for (int key = 1; key <= 16; ++key) PushKey('a' + key - 1);
  for (int key = 2; key <= 16; ++key) EXPECT_EQ(PollKey(), std::string(1, 'a' + key - 1));
  EXPECT_EQ(PollKey(), "");
}

TEST_F(KeyQueueTest, WaitKeyConsumesOneKeyIncludingTheCloseRequest) {
  PushKey(CloseRequest);
  PushKey('s');
  const auto start = Clock::now();
  EXPECT_EQ(WaitKey(), CloseRequest);
  EXPECT_GE(Clock::now() - start, std::chrono::milliseconds(20));
  EXPECT_EQ(PollKey(), "s");
}

TEST_F(KeyQueueTest, WaitKeyWaitsForAKeyFromAnotherThread) {
  std::thread typist([] {
    std::this_thread::sleep_for(std::chrono::milliseconds(60));
    PushKey('w');
  });
  EXPECT_EQ(WaitKey(), 'w');
  typist.join();
}

TEST_F(KeyQueueTest, SleepUntilKeyWaitsForAKeyAfterTheLastRead) {
  PushKey('a');
  PushKey('b');
  EXPECT_EQ(PollKey(), "a");  // the read clears the arrival flag; "b" still waits
  std::atomic<bool> pressed{false};
  std::thread typist([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(120));
    pressed = true;
    PushKey('c');
  });
  SleepUntilKey();
  EXPECT_TRUE(pressed);
  typist.join();
  EXPECT_EQ(PollKey(), "b");  // the queue is left as it was
  EXPECT_EQ(PollKey(), "c");
}

TEST_F(KeyQueueTest, WaitForKeyWakesOnArrivalAndTimesOut) {
  auto start = Clock::now();
  EXPECT_FALSE(WaitForKey(30));
  EXPECT_GE(Clock::now() - start, std::chrono::milliseconds(30));

  std::thread typist([] {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    PushKey('x');
  });
  start = Clock::now();
  EXPECT_TRUE(WaitForKey(5000));
  EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(1000));
  typist.join();
  EXPECT_EQ(PollKey(), "x");
}

TEST_F(KeyQueueTest, WaitsAskTheBackendForKeys) {
  int asked = 0;
  window_->on_key_wanted = [&] {
    if (++asked == 3) PushKey('e');
  };
  EXPECT_EQ(WaitKey(), 'e');
  EXPECT_EQ(asked, 3);
}

}  // namespace
