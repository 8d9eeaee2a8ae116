#include "records/game_log.h"

#include <array>
#include <cstdio>
#include <string>

#include "display/display_errors.h"
#include "game/game_state.h"

namespace {

// Open files by file number (1 to 254); the log is the program's only file.
std::array<std::FILE*, 255> open_files{};
char log_buffer[LogBufferBytes];

std::FILE* LogStream() {
  return Game.LogFile ? open_files[Game.LogFile] : nullptr;
}

void Append(std::string_view bytes) {
  if (std::FILE* file = LogStream()) std::fwrite(bytes.data(), 1, bytes.size(), file);
}

}  // namespace

int OpenLog() {
  int number = 1;
  while (number < 255 && open_files[number]) ++number;
  if (number == 255) return FileNotFound;
  // Binary append: the bytes go to the end exactly as formatted, without translation.
  std::FILE* file = std::fopen(LogFileName, "ab");
  if (!file) return FileNotFound;
  std::setvbuf(file, log_buffer, _IOFBF, sizeof log_buffer);
  open_files[number] = file;
  Game.LogFile = static_cast<std::uint8_t>(number);
  return 0;
}

void LogText(std::string_view text) {
  std::string line;
  line.reserve(text.size() + 4);
  line += '"';
  line += text;
  line += "\"\r\n";
  Append(line);
}

void LogByte(std::uint8_t value, bool line_end) {
  Append(std::to_string(value) + (line_end ? "\r\n" : ","));
}

void LogBoardRows() {
  for (int y = 0; y < 3; ++y) {
    LogByte(Game.Board[0][y], false);
    LogByte(Game.Board[1][y], false);
    LogByte(Game.Board[2][y], true);
  }
}

void WriteBoardToLog() {
  LogText("---");
  LogBoardRows();
  LogText("---");
}

void WriteResetRecord() {
  LogText("---");
  LogBoardRows();
  LogText("--- RESET ---");
}

void FlushLog() {
  if (std::FILE* file = LogStream()) std::fflush(file);
}

void CloseLog() {
  if (std::FILE* file = LogStream()) {
    std::fclose(file);
    open_files[Game.LogFile] = nullptr;
    Game.LogFile = 0;
  }
}
