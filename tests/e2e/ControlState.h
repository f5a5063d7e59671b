#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// What the tests read of one child window of another process. Texts
// are Shift-JIS, as the program wrote them.
struct ControlState {
    std::string className;
    int id = 0;
    bool visible = false;  // the window and all its parents are shown
    LONG style = 0;
    std::string text;
    std::vector<std::string> items;  // combo boxes only: the list, in order
    int selection = -1;              // combo boxes only; -1 when none
    int scrollPos = 0;  // scroll bars only
};

// Reads a child window of any process; all empty for a null or dead handle.
// Every message sent has a time limit, so a hung program cannot hang the test.
ControlState readControl(HWND control);

// WM_GETTEXT with a time limit; empty when the window does not answer.
std::string windowText(HWND window);

}  // namespace e2e
