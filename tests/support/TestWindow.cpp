#include "tests/support/TestWindow.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

INT_PTR CALLBACK hostProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

// An empty 320 x 240 unit dialog template, built in memory.
std::vector<WORD> hostTemplate() {
    std::vector<WORD> words(sizeof(DLGTEMPLATE) / sizeof(WORD) + 3, 0);
    auto* header = reinterpret_cast<DLGTEMPLATE*>(words.data());
    header->style = WS_POPUP | WS_CAPTION | WS_VISIBLE;
    header->cx = 320;
    header->cy = 240;
    return words;  // no menu, the system class, no title
}

}  // namespace

TestWindow::TestWindow() {
    std::vector<WORD> words = hostTemplate();
    window = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), reinterpret_cast<DLGTEMPLATE*>(words.data()),
                                        nullptr, hostProc, 0);
    EXPECT_NE(nullptr, window) << "host dialog, error " << GetLastError();
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
    state.id = GetDlgCtrlID(child);
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
