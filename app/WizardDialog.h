#pragma once

#include <windows.h>

class SetupWizard;

// The one wizard of the process; the dialog procedure reaches it only here.
extern SetupWizard* activeWizard;

INT_PTR CALLBACK wizardDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
