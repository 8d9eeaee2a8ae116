// Error numbers returned by the display services and the opening of the game log.
#pragma once

inline constexpr int IllegalFunctionCall = 1;  // no window, invalid arguments, unsupported depth
inline constexpr int FileNotFound = 2;         // a file cannot be opened or created
inline constexpr int FileIoError = 3;          // not a supported bitmap, or its data ends early
