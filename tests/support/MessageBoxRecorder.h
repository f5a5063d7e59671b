#pragma once

#include <windows.h>

#include <string>
#include <vector>

// What one MessageBoxA call asked for, and what the real box showed.
struct RecordedMessageBox {
    HWND owner = nullptr;
    std::string text;
    std::string caption;
    UINT type = 0;
    std::string shownCaption;  // read back from the box window
    std::string shownText;
    bool hadIcon = false;
};

// While alive, routes every MessageBoxA call of this program (through its
// import table) to a recorder that lets the real box come up, reads it back,
// and answers it with `reply`. The style flags are taken from the call,
// because Wine does not reflect MB_TOPMOST in the box window.
class MessageBoxRecorder {
public:
    MessageBoxRecorder();
    ~MessageBoxRecorder();

    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    std::vector<RecordedMessageBox> boxes;
    int reply = IDOK;
};
