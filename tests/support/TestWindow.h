#pragma once

#include <windows.h>

#include <string>

// A visible window to put controls on, destroyed with the object.
class TestWindow {
public:
    TestWindow();
    ~TestWindow();

    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    HWND handle() const { return window; }
    HINSTANCE instance() const { return GetModuleHandleA(nullptr); }

private:
    HWND window = nullptr;
};

// Geometry and state of a child window, read from the window itself.
struct ChildState {
    RECT rect{};  // in the parent's client coordinates
    bool visible = false;
    bool enabled = false;
    LONG style = 0;
    LONG exStyle = 0;
    std::string className;
    std::string text;
};

ChildState readChild(HWND child);

// Handles the messages waiting for this thread.
void pumpMessages();
