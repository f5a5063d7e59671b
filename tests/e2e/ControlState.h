#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// Everything a test can see of one child window of another process. Texts
// are Shift-JIS, as the program wrote them.
struct ControlState {
    bool exists = false;
    std::string className;
    int id = 0;
    bool visible = false;  // the window and all its parents are shown
    bool enabled = false;
    LONG style = 0;
    std::string text;
    int check = BST_UNCHECKED;  // buttons only
    std::vector<std::string> items;  // combo boxes only: the list, in order
    int selection = -1;              // combo boxes only; -1 when none
    int scrollPos = 0;  // scroll bars only
};

// Reads a child window of any process; `exists` is false for a null or dead
// handle. Every message sent has a time limit, so a hung program cannot hang
// the test.
ControlState readControl(HWND control);

// WM_GETTEXT with a time limit; empty when the window does not answer.
std::string windowText(HWND window);

}  // namespace e2e
