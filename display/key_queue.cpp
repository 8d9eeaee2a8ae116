#include "display/key_queue.h"

#include <chrono>
#include <thread>

#include "display/display_state.h"

namespace {

void (*wait_hook)() = nullptr;

int Count(const DisplayState& d) {
  return (d.key_tail - d.key_head + KeySlots) % KeySlots;
}

// Takes the oldest key, or returns 0 when there is none; every read clears the arrival
// flag. The caller holds the lock.
int TakeKey(DisplayState& d) {
  d.arrival = false;
  if (Count(d) == 0) return 0;
  const int code = d.keys[d.key_head];
  d.key_head = (d.key_head + 1) % KeySlots;
  return code;
}

// Called while the game waits and no key has come.
void WhileWaiting() {
  DisplayState& d = Display();
  if (d.window_open) d.backend->KeyWanted();
  if (wait_hook) wait_hook();
}

}  // namespace

void PushKey(int code) {
  DisplayState& d = Display();
  {
    std::lock_guard guard(d.lock);
    if (Count(d) == KeySlots - 1) d.key_head = (d.key_head + 1) % KeySlots;
    d.keys[d.key_tail] = code;
    d.key_tail = (d.key_tail + 1) % KeySlots;
    d.arrival = true;
  }
  d.key_arrived.notify_all();
}

std::string KeyString(int code) {
  if (code < NonCharacterKey) return std::string(1, static_cast<char>(code));
  return std::string{static_cast<char>(255), static_cast<char>(code - NonCharacterKey)};
}

std::string PollKey() {
  DisplayState& d = Display();
  std::lock_guard guard(d.lock);
  const int code = TakeKey(d);
  return code ? KeyString(code) : std::string();
}

int WaitKey() {
  DisplayState& d = Display();
  for (;;) {
    int code;
    {
      std::lock_guard guard(d.lock);
      code = TakeKey(d);
    }
    if (!code) WhileWaiting();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    if (code) return code;
  }
}

void SleepUntilKey() {
  DisplayState& d = Display();
  for (;;) {
    {
      std::lock_guard guard(d.lock);
      if (d.arrival) {
        d.arrival = false;
        return;
      }
    }
    WhileWaiting();
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
}

bool WaitForKey(int timeout_ms) {
  DisplayState& d = Display();
  {
    std::lock_guard guard(d.lock);
    if (Count(d) > 0) return true;
  }
  WhileWaiting();
  std::unique_lock guard(d.lock);
  return d.key_arrived.wait_for(guard, std::chrono::milliseconds(timeout_ms),
                                [&] { return Count(d) > 0; });
}

void ClearKeys() {
  DisplayState& d = Display();
  std::lock_guard guard(d.lock);
  d.key_head = d.key_tail = 0;
  d.arrival = false;
}

void SetWaitHook(void (*hook)()) {
  wait_hook = hook;
}
