// The game log "game.log": text lines in double quotes and rows of cell values, every line
// ended by CR LF, only ever appended to. Written through an 8192-byte buffer.
#pragma once

#include <cstdint>
#include <string_view>

inline constexpr const char* LogFileName = "game.log";
inline constexpr std::size_t LogBufferBytes = 8192;

// Opens "game.log" for appending, creating it when missing, under the lowest free file
// number, which goes to Game.LogFile. Returns 0, or FileNotFound when it can be neither
// opened nor created. Without an open log every write below does nothing.
int OpenLog();

// Appends a text line: '"', the text's bytes unchanged, '"', CR LF.
void LogText(std::string_view text);

// Appends `value` in decimal, then "," or, when it ends its line, CR LF.
void LogByte(std::uint8_t value, bool line_end);

// Appends the board's three rows, top row first, each from left to right.
void LogBoardRows();

// The board record: "---", the three rows, "---".
void WriteBoardToLog();

// The reset record of a finished game: "---", the three rows, "--- RESET ---".
void WriteResetRecord();

// Writes out everything buffered. Write failures are not reported.
void FlushLog();

// Writes out the buffer and closes the log.
void CloseLog();
