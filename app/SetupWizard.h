#pragma once

#include <windows.h>

// The wizard: one modal dialog whose pages are made by showing and hiding
// controls created once, when the dialog starts.
class SetupWizard {
public:
    explicit SetupWizard(HINSTANCE instance);
    virtual ~SetupWizard() = default;

    SetupWizard(const SetupWizard&) = delete;
    SetupWizard& operator=(const SetupWizard&) = delete;

    int handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND dialogWindow;
    HINSTANCE instance;
};
