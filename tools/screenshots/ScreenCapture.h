#pragma once

#include <windows.h>

#include <string>

namespace screenshots {

// Saves what the screen shows inside a window's rectangle as a 24-bit .bmp
// file, once two captures in a row agree (the window has finished painting).
// False when the screen cannot be read, as under Wine's null display driver.
bool captureWindow(HWND window, const std::string& path);

}  // namespace screenshots
