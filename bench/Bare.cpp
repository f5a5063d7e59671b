// An empty dialog from a template and nothing else: what the wizard's size
// and start-up time are measured against.
#include <windows.h>

namespace {

INT_PTR CALLBACK bareDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) return TRUE;
    if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
        EndDialog(window, 2);
        return TRUE;
    }
    return FALSE;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    return static_cast<int>(DialogBoxParamA(instance, MAKEINTRESOURCEA(103), nullptr, bareDialogProc, 0));
}
