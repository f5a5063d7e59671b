#pragma once

#include <windows.h>

#include <string>
#include <vector>

// What one MessageBoxA call asked for.
struct RecordedMessageBox {
    HWND owner = nullptr;
    std::string text;
    UINT type = 0;
};

// While alive, routes every MessageBoxA call of this program (through its
// import table) to a recorder that keeps the call and answers OK at once,
// without showing a box. The style flags are taken from the call because Wine
// shows neither MB_TOPMOST nor which icon in the box window; the whole-program
// tests read the real boxes.
class MessageBoxRecorder {
public:
    MessageBoxRecorder();
    ~MessageBoxRecorder();

    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    std::vector<RecordedMessageBox> boxes;
};
