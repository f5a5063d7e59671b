#pragma once

#include <windows.h>

#include "tools/driver/Waiting.h"

namespace driver {

// One run of setup.exe, started from the folder of this program and driven
// through its windows as a user would. A wizard still running when the
// object goes is killed, so no run leaves a wizard or its mutex behind.
class WizardProcess {
public:
    WizardProcess();
    ~WizardProcess();

    WizardProcess(const WizardProcess&) = delete;
    WizardProcess& operator=(const WizardProcess&) = delete;

    DWORD id() const { return processId; }

    // Each wait ends early when the program exits.
    HWND waitForWizard(DWORD timeout = kPatience);      // the shown wizard dialog; null when it did not come up
    HWND waitForMessageBox(DWORD timeout = kPatience);  // null when none came up
    // True when the program ended with this code in time; kills it otherwise.
    bool exitsWith(DWORD code, DWORD timeout = kPatience);

    // The wizard that waitForWizard found.
    HWND wizard() const { return dialog; }

    // Input as a user gives it, refused (false) where a user could not give
    // it: the control missing, hidden or disabled, or the wizard disabled
    // behind a message box. Each returns once the wizard has handled the
    // input, or has put up a message box while doing so.
    bool click(int id);
    bool chooseComboEntry(int id, int index);
    bool scroll(int barId, int request);
    // The command that a control not made yet would send (IDCANCEL for Cancel).
    void command(int id);
    // Presses one of a message box's buttons; true when the box went away in time.
    bool answer(HWND box, int button);

private:
    bool running() const;
    bool usable(HWND control) const;
    void settle() const;

    HANDLE process = nullptr;
    DWORD processId = 0;
    HWND dialog = nullptr;
};

}  // namespace driver
