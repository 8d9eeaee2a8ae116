// The key queue: up to 15 keys, oldest first, filled by the window's thread and read by the
// game's thread. A key is a character of code page 437 (1 to 255) or a non-character key,
// coded as 256 + its extended code in the PC keyboard convention.
#pragma once

#include <string>

inline constexpr int NonCharacterKey = 256;
inline constexpr int CloseRequest = NonCharacterKey + 'k';  // close button, Alt+F4

// Adds a key; when 15 wait already, the oldest is pushed out. Sets the arrival flag.
// Safe to call from any thread.
void PushKey(int code);

// The key as the game sees it: a character as a one-character string, a non-character key
// as the character 255 followed by its extended code.
std::string KeyString(int code);

// Takes the oldest key as a string, or returns "" at once when the queue is empty.
std::string PollKey();

// Takes the oldest key and then sleeps 20 ms, repeating both while the queue was empty.
// Returns the key's code.
int WaitKey();

// Returns once a key has arrived since the last read of the queue, checking every 50 ms;
// clears the arrival flag and leaves the queue untouched.
void SleepUntilKey();

// Waits without using the processor until a key is waiting or `timeout_ms` have passed.
// Returns true when a key is waiting. Takes no key.
bool WaitForKey(int timeout_ms);

// Empties the queue and clears the arrival flag.
void ClearKeys();

// Sets a routine that every key wait calls on the game's thread while no key has come; the
// game uses it to end the run on a termination signal. nullptr removes it.
void SetWaitHook(void (*hook)());
