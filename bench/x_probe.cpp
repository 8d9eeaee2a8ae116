// Measures the real game on an X display: start-up time, key-to-screen latency, idle
// processor use and peak memory. Usage (the game runs in the current folder, which holds
// the bitmaps):
//   x_probe startup BINARY RUNS     ms from process start to the visible start screen
//   x_probe latency BINARY MOVES    ms from a cell key (XTest) to the cross on screen
//   x_probe idle BINARY SECONDS     % of one core while the game waits for a move
//   x_probe memory BINARY GAMES     peak resident MB over a run of GAMES games
// Prints one line: the median, then the 95th percentile or the single figure.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/bmp_file.h"

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

Display* display = nullptr;

double Ms(Clock::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}

pid_t Start(const char* binary) {
  const pid_t pid = fork();
  if (pid == 0) {
    execl(binary, binary, static_cast<char*>(nullptr));
    _exit(127);
  }
  return pid;
}

void Stop(pid_t pid) {
  kill(pid, SIGTERM);
  waitpid(pid, nullptr, 0);
}

Window FindGameWindow(Window parent) {
  Window root, up, *children = nullptr;
  unsigned count = 0;
  if (!XQueryTree(display, parent, &root, &up, &children, &count)) return 0;
  Window found = 0;
  for (unsigned i = 0; i < count && !found; ++i) {
    char* name = nullptr;
    if (XFetchName(display, children[i], &name) && name) {
      if (std::strncmp(name, "Zwickelspiel", 12) == 0) found = children[i];
      XFree(name);
    }
    if (!found) found = FindGameWindow(children[i]);
  }
  if (children) XFree(children);
  return found;
}

// The colour of one pixel of the window, or ~0 when it cannot be read.
unsigned long Pixel(Window window, int x, int y) {
  XImage* image = XGetImage(display, window, x, y, 1, 1, AllPlanes, ZPixmap);
  if (!image) return ~0ul;
  const unsigned long pixel = XGetPixel(image, 0, 0) & 0xFFFFFF;
  XDestroyImage(image);
  return pixel;
}

// Starts the game and waits until the start screen shows: the background at (150, 50).
// Returns the window, or 0 after five seconds.
Window StartAndAwaitScreen(const char* binary, pid_t& pid, const BmpPicture& background,
                           Clock::time_point& shown) {
  pid = Start(binary);
  const auto deadline = Clock::now() + 5s;
  Window window = 0;
  while (Clock::now() < deadline) {
    if (!window) window = FindGameWindow(DefaultRootWindow(display));
    if (window && Pixel(window, 150, 50) == background.at(150, 50)) {
      shown = Clock::now();
      return window;
    }
    std::this_thread::sleep_for(200us);
  }
  Stop(pid);
  return 0;
}

void Press(const char* keysym_name) {
  const KeyCode code = XKeysymToKeycode(display, XStringToKeysym(keysym_name));
  XTestFakeKeyEvent(display, code, True, 0);
  XTestFakeKeyEvent(display, code, False, 0);
  XFlush(display);
}

void Focus(Window window) {
  XSetInputFocus(display, window, RevertToParent, CurrentTime);
  XSync(display, False);
  std::this_thread::sleep_for(50ms);
}

double Percentile(std::vector<double> values, double p) {
  std::sort(values.begin(), values.end());
  return values[static_cast<std::size_t>(p * (values.size() - 1) + 0.5)];
}

double CpuSeconds(pid_t pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string text((std::istreambuf_iterator<char>(stat)), {});
  std::istringstream fields(text.substr(text.rfind(')') + 2));
  std::string field;
  double ticks = 0;
  for (int i = 3; i <= 15 && fields >> field; ++i) {
    if (i == 14 || i == 15) ticks += std::stod(field);  // utime, stime
  }
  return ticks / static_cast<double>(sysconf(_SC_CLK_TCK));
}

int Resets() {
  std::ifstream log("game.log");
  std::string line;
  int resets = 0;
  while (std::getline(log, line)) resets += line.find("RESET") != std::string::npos;
  return resets;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4 || !(display = XOpenDisplay(nullptr))) {
    std::fprintf(stderr, "usage: x_probe startup|latency|idle|memory BINARY N (with DISPLAY)\n");
    return 2;
  }
  // Windows come and go while the probe walks the tree or reads pixels; a request on a
  // window that has just gone simply fails.
  XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
  const std::string what = argv[1];
  const char* binary = argv[2];
  const int n = std::stoi(argv[3]);
  const BmpPicture background = ReadBmp24("BG.BMP");
  std::vector<double> samples;
  pid_t pid = 0;
  Clock::time_point shown;

  if (what == "startup" || what == "latency") {
    for (int run = 0; run < n; ++run) {
      const auto started = Clock::now();
      const Window window = StartAndAwaitScreen(binary, pid, background, shown);
      if (!window) return 1;
      if (what == "startup") {
        samples.push_back(Ms(shown - started));
      } else {
        Focus(window);
        // The centre of the middle cell lies on both strokes of the cross.
        const unsigned long before = Pixel(window, 145, 155);
        const auto pressed = Clock::now();
        Press("s");
        while (Pixel(window, 145, 155) == before && Clock::now() - pressed < 2s) {
        }
        samples.push_back(Ms(Clock::now() - pressed));
      }
      Stop(pid);
    }
    std::printf("%.1f %.1f\n", Percentile(samples, 0.5), Percentile(samples, 0.95));
  } else if (what == "idle") {
    if (!StartAndAwaitScreen(binary, pid, background, shown)) return 1;
    std::this_thread::sleep_for(500ms);
    const double before = CpuSeconds(pid);
    std::this_thread::sleep_for(std::chrono::seconds(n));
    const double used = CpuSeconds(pid) - before;
    Stop(pid);
    std::printf("%.2f\n", 100.0 * used / n);
  } else if (what == "memory") {
    const Window window = StartAndAwaitScreen(binary, pid, background, shown);
    if (!window) return 1;
    Focus(window);
    const char* keys[] = {"q", "w", "e", "a", "s", "d", "y", "x", "c", "space"};
    const auto deadline = Clock::now() + 60s;
    for (int k = 0; Resets() < n && Clock::now() < deadline; ++k) {
      Press(keys[k % 10]);
      std::this_thread::sleep_for(30ms);
    }
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    double peak_kb = 0;
    for (std::string line; std::getline(status, line);) {
      if (line.rfind("VmHWM:", 0) == 0) peak_kb = std::stod(line.substr(6));
    }
    Stop(pid);
    std::printf("%.1f %d\n", peak_kb / 1024.0, Resets());
  } else {
    return 2;
  }
  return 0;
}
