#include "app/SetupWizard.h"

SetupWizard::SetupWizard(HINSTANCE instance) : dialogWindow(nullptr), instance(instance) {}

int SetupWizard::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM) {
    dialogWindow = window;
    // Escape and the close box arrive as IDCANCEL, like the Cancel button.
    if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
        EndDialog(window, 2);
        return 1;
    }
    return 0;
}
