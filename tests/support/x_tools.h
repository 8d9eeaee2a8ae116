// Small helpers for tests that look at a real window on the X display.
#pragma once

#include <array>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

// Runs a shell command and returns what it printed on standard output.
inline std::string Shell(const std::string& command) {
  std::string out;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    std::array<char, 4096> buffer;
    std::size_t got;
    while ((got = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
      out.append(buffer.data(), got);
    pclose(pipe);
  }
  return out;
}

// The id of the first window whose name starts with `name`, or "" after a few seconds.
inline std::string FindWindow(const std::string& name) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string id =
        Shell("xdotool search --onlyvisible --name '^" + name + "' 2>/dev/null | head -n1");
    if (!id.empty()) return id.substr(0, id.find('\n'));
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return "";
}

// The window's pixels as 0x00RRGGBB, read from the X server, row by row.
inline std::string CaptureRgb(const std::string& window) {
  return Shell("xwd -silent -id " + window + " | convert xwd:- -depth 8 rgb:-");
}
