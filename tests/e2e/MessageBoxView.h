#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// A message box of another process, as the user sees it. Which icon it shows
// cannot be told under Wine: icon handles belong to the process that loaded
// them, and under the null display driver nothing is drawn to compare.
struct MessageBoxView {
    HWND window = nullptr;  // null when no box came up
    HWND owner = nullptr;
    std::string caption;  // Shift-JIS
    std::string text;
    bool hasIcon = false;
    std::vector<int> buttons;  // ids of the push buttons (IDOK, IDYES, ...), in window order
    int defaultButton = 0;
};

MessageBoxView readMessageBox(HWND box);

// Presses one of the box's buttons; true when the box went away in time.
bool answerMessageBox(const MessageBoxView& box, int button);

}  // namespace e2e
