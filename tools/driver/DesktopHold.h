#pragma once

#include <windows.h>

namespace driver {

// Wine ends its desktop process about a second after the last window closes,
// and the next program to open a window waits for a new one. One hidden
// window held for the whole run keeps every start of the wizard alike.
class DesktopHold {
public:
    DesktopHold() : window(CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr)) {}
    ~DesktopHold() {
        if (window != nullptr) DestroyWindow(window);
    }

    DesktopHold(const DesktopHold&) = delete;
    DesktopHold& operator=(const DesktopHold&) = delete;

private:
    HWND window;
};

}  // namespace driver
