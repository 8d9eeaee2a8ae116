// The window users see, built on SDL2. The only part of the program that knows SDL.
#pragma once

#include <memory>

#include "display/window_backend.h"

std::unique_ptr<WindowBackend> MakeSdlWindow();
