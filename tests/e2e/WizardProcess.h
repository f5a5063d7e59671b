#pragma once

#include <windows.h>

#include <ostream>
#include <string>

#include "tests/e2e/ControlState.h"
#include "tests/e2e/MessageBoxView.h"
#include "tests/e2e/Waiting.h"
#include "tests/e2e/WizardFacts.h"

namespace e2e {

// How a program under test ended, in a form gtest can compare and print.
struct ExitStatus {
    enum class Kind { Exited, Crashed, StillRunning };
    Kind kind = Kind::StillRunning;
    DWORD code = 0;  // for Exited only

    static ExitStatus exited(DWORD code) { return {Kind::Exited, code}; }
    bool operator==(const ExitStatus& other) const {
        return kind == other.kind && (kind != Kind::Exited || code == other.code);
    }
};

std::ostream& operator<<(std::ostream& out, const ExitStatus& status);

// One run of setup.exe, started from the folder of this test executable and
// driven through its windows as a user would. A program still running when
// the object goes is killed, and so is a crash dialog, so no test leaves a
// wizard or its mutex behind.
class WizardProcess {
public:
    explicit WizardProcess(const std::string& arguments = "");
    ~WizardProcess();

    WizardProcess(const WizardProcess&) = delete;
    WizardProcess& operator=(const WizardProcess&) = delete;

    DWORD id() const { return processId; }
    bool running() const;

    // Each wait ends early when the program exits or crashes.
    HWND waitForWizard(DWORD timeout = kPatience);  // the shown wizard dialog; null when it did not come up
    MessageBoxView waitForMessageBox(DWORD timeout = kPatience);  // `window` null when none came up
    ExitStatus waitForExit(DWORD timeout = kPatience);  // kills a program still running at the end

    // The wizard that waitForWizard found, and its controls.
    HWND wizard() const { return dialog; }
    HWND control(int id) const { return GetDlgItem(dialog, id); }
    ControlState read(int id) const { return readControl(control(id)); }
    SIZE clientSize() const;

    // Input as a user gives it, refused (false) where a user could not give
    // it: the control missing, hidden or disabled, or the wizard disabled
    // behind a message box. Each returns once the wizard has handled the
    // input, or has put up a message box while doing so.
    bool click(int id);
    bool chooseComboEntry(int id, int index);
    bool scroll(int barId, int request, int position = 0);
    bool closeBox();
    // The command that a control not made yet would send (IDCANCEL for Cancel).
    void command(int id);
    // Keys go to the focused window as real keystrokes do, through the
    // program's message loop, so they take effect after these return: wait for
    // the outcome with waitUntil.
    void pressEnter() { pressKey(VK_RETURN); }
    void pressEscape() { pressKey(VK_ESCAPE); }
    bool answer(const MessageBoxView& box, int button) { return answerMessageBox(box, button); }

private:
    bool usable(HWND control) const;
    void settle() const;
    void pressKey(UINT key);
    bool endCrash();

    HANDLE process = nullptr;
    DWORD processId = 0;
    DWORD threadId = 0;  // the program's first thread, which runs its dialogs
    HWND dialog = nullptr;
    bool crashed = false;
};

}  // namespace e2e
