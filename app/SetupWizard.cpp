#include "app/SetupWizard.h"

SetupWizard::SetupWizard(HINSTANCE instance) : dialogWindow(nullptr), instance(instance) {}

int SetupWizard::handleMessage(HWND window, UINT, WPARAM, LPARAM) {
    dialogWindow = window;
    return 0;
}
