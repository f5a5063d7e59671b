#include "tests/support/TestWindow.h"

#include <gtest/gtest.h>

// A plain visible window is all the controls need of their parent.
TestWindow::TestWindow() {
    window = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 640, 480, nullptr, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
    EXPECT_NE(nullptr, window) << "host window, error " << GetLastError();
    pumpMessages();
}

TestWindow::~TestWindow() {
    if (window != nullptr) DestroyWindow(window);
    pumpMessages();
}

ChildState readChild(HWND child) {
    ChildState state;
    GetWindowRect(child, &state.rect);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&state.rect), 2);
    state.visible = IsWindowVisible(child) != FALSE;
    state.enabled = IsWindowEnabled(child) != FALSE;
    state.style = GetWindowLongA(child, GWL_STYLE);
    state.exStyle = GetWindowLongA(child, GWL_EXSTYLE);
    char buffer[1024];
    GetClassNameA(child, buffer, sizeof buffer);
    state.className = buffer;
    GetWindowTextA(child, buffer, sizeof buffer);
    state.text = buffer;
    return state;
}

void pumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}
