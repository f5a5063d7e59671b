#include "app/WizardDialog.h"

#include "app/SetupWizard.h"

SetupWizard* activeWizard = nullptr;

INT_PTR CALLBACK wizardDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return activeWizard->handleMessage(window, message, wParam, lParam);
}
