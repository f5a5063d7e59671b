#include <windows.h>

#include <new>

#include "app/InstanceGuard.h"
#include "app/LibraryLoading.h"
#include "app/Platform.h"
#include "app/SetupWizard.h"
#include "app/WizardDialog.h"
#include "app/WizardTexts.h"
#include "resources/ProductNames.h"
#include "resources/resource.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    restrictLibraryLoading();

    // Every outcome the wizard itself produces ends the process with 1.
    int result = 1;
    InstanceGuard guard(KELVARA_MESSAGE_CAPTION, KELVARA_WIZARD_TITLE, kMutexName);
    if (guard.alreadyRunning) return result;

    const DWORD platform = currentPlatformId();
    const UINT codePage = GetACP();
    if (!isSupportedPlatform(platform)) {
        MessageBoxA(nullptr, kPlatformRefusal, KELVARA_MESSAGE_CAPTION, MB_OK | MB_ICONERROR | MB_TOPMOST);
    } else if (!isSupportedCodePage(codePage)) {
        // Before the wizard's first read: the start-up moves would already
        // write keys under names the code page has mangled.
        const char* refusal = platform == VER_PLATFORM_WIN32_WINDOWS ? kEditionRefusal
                              : codePage == CP_UTF8                  ? kUtf8Refusal
                                                                     : kCodePageRefusal;
        MessageBoxA(nullptr, refusal, kCodePageCaption, MB_OK | MB_ICONERROR | MB_TOPMOST);
    } else {
        // The dialog procedure hands every message to the wizard from the
        // first one on, so without a wizard there is no dialog either.
        activeWizard = new (std::nothrow) SetupWizard(instance);
        if (activeWizard != nullptr) {
            if (DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_WIZARD), nullptr, wizardDialogProc, 0) == 0) result = 0;
            delete activeWizard;
        }
    }
    guard.release();
    return result;
}
