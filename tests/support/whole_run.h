// Whole runs of the game for tests. Each run happens in a child process (a run ends its
// process) inside a fresh temporary folder holding the five bitmaps, on the headless window
// with the clock pinned. Whenever the game waits for a key, the child asks the test's
// `player` for the next one and writes a line about the moment to a trace.
#pragma once

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "display/headless_window.h"
#include "display/key_queue.h"
#include "flow/start_and_end.h"
#include "game/computer_opponent.h"
#include "game/game_state.h"
#include "records/game_log.h"
#include "tests/support/board_text.h"

namespace whole_run {

namespace fs = std::filesystem;

inline std::string ReadFile(const fs::path& path) {
  if (!fs::is_regular_file(path)) return "";
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), {}};
}

// The moment the game asks for a key, as the child sees it.
struct Moment {
  int request;        // 1 for the first key asked for
  std::string board;  // BoardText()
  int player_wins, computer_wins, draws, result, computer_opens;
  std::string log_on_disk;  // game.log as it is on disk at that moment
  const Frame* frame;       // the page last shown
};

// What the player does at a moment: the key to push (nullopt: push nothing now).
using Player = std::function<std::optional<int>(const Moment&)>;

struct Options {
  double clock = 0.5;
  Player player;
  std::function<void(const fs::path& folder)> prepare;  // after the bitmaps are copied
  bool refuse_window = false;
  std::vector<int> save_frames;  // requests whose frame is saved as frameN.raw
};

struct Result {
  int exit_code = -1;  // -1: the run was ended by a signal or did not end
  double cpu_seconds = 0;
  std::string log;                 // game.log at the end ("" when it is no file)
  std::string out;                 // standard output
  std::string err;                 // standard error
  std::vector<std::string> trace;  // one line per request: "board P,C,D result opens"
  std::map<int, Frame> frames;     // the saved frames by request
  Frame Saved(int request) const {
    const auto found = frames.find(request);
    return found == frames.end() ? Frame{} : found->second;
  }
};

// Keys as a fixed script, one per request; after the script the player pushes nothing.
inline Player Script(std::vector<int> keys) {
  return [keys](const Moment& m) -> std::optional<int> {
    if (m.request <= static_cast<int>(keys.size())) return keys[m.request - 1];
    return std::nullopt;
  };
}

[[noreturn]] inline void Child(const Options& options, const fs::path& folder) try {
  fs::current_path(folder);
  const int out = ::open("stdout.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644);
  const int err = ::open("stderr.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644);
  ::dup2(out, 1);
  ::dup2(err, 2);
  ResetGameState();
  ClearKeys();
  PinClock(options.clock);
  HeadlessWindow& window = UseHeadlessWindow();
  window.refuse_open = options.refuse_window;
  std::ofstream trace("trace.txt");
  int request = 0;
  bool asked = false;  // the current request has been put to the player
  window.on_key_wanted = [&] {
    // A wait asks again and again until a key comes; the next request starts once the
    // player has given a key.
    if (!asked) {
      ++request;
      asked = true;
      trace << BoardText() << ' ' << Game.PlayerWins << ',' << Game.ComputerWins << ','
            << Game.Draws << ' ' << Game.GameResult << ' ' << int{Game.ComputerOpens} << std::endl;
      for (int saved : options.save_frames) {
        if (saved == request) {
          std::ofstream("frame" + std::to_string(request) + ".raw", std::ios::binary)
              .write(reinterpret_cast<const char*>(window.last_frame.data()),
                     static_cast<std::streamsize>(window.last_frame.size() * sizeof(Colour)));
        }
      }
    }
    const Moment moment{
        request,         BoardText(),        Game.PlayerWins,       Game.ComputerWins, Game.Draws,
        Game.GameResult, Game.ComputerOpens, ReadFile(LogFileName), &window.last_frame};
    if (const std::optional<int> key = options.player(moment)) {
      asked = false;
      PushKey(*key);
    }
  };
  RunGame();
} catch (...) {
  ::_exit(97);  // never fall back into the test runner in the child
}

inline Result PlayRun(const Options& options) {
  static int runs = 0;
  Result result;
  const fs::path folder = fs::temp_directory_path() /
                          ("zw_run_" + std::to_string(::getpid()) + "_" + std::to_string(++runs));
  fs::remove_all(folder);
  fs::create_directories(folder);
  for (const auto& entry : fs::directory_iterator(ZW_ASSETS_DIR)) {
    fs::copy_file(entry.path(), folder / entry.path().filename());
  }
  if (options.prepare) options.prepare(folder);

  std::fflush(nullptr);
  const pid_t child = ::fork();
  if (child == 0) Child(options, folder);

  int status = 0;
  rusage usage{};
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (::wait4(child, &status, WNOHANG, &usage) == 0) {
    if (std::chrono::steady_clock::now() > deadline) {
      ::kill(child, SIGKILL);
      ::wait4(child, &status, 0, &usage);
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  if (WIFEXITED(status)) result.exit_code = WEXITSTATUS(status);
  result.cpu_seconds = usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6 +
                       usage.ru_stime.tv_sec + usage.ru_stime.tv_usec / 1e6;
  result.log = ReadFile(folder / LogFileName);
  result.out = ReadFile(folder / "stdout.txt");
  result.err = ReadFile(folder / "stderr.txt");
  std::istringstream trace(ReadFile(folder / "trace.txt"));
  for (std::string line; std::getline(trace, line);) result.trace.push_back(line);
  for (int request : options.save_frames) {
    const std::string bytes = ReadFile(folder / ("frame" + std::to_string(request) + ".raw"));
    Frame& frame = result.frames[request];
    frame.resize(bytes.size() / sizeof(Colour));
    std::memcpy(frame.data(), bytes.data(), frame.size() * sizeof(Colour));
  }
  fs::remove_all(folder);
  return result;
}

}  // namespace whole_run
