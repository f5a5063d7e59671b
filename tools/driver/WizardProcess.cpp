#include "tools/driver/WizardProcess.h"

#include <cstring>
#include <string>

#include "tools/driver/WizardFacts.h"

namespace driver {

namespace {

constexpr UINT kKilled = 0xDEAD;

std::string besideThisProgram(const char* name) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of("\\/") + 1) + name;
}

bool isDialogOf(HWND window, DWORD processId) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    return owner == processId && std::strcmp(className, "#32770") == 0;
}

struct BoxSearch {
    DWORD processId;
    HWND found;
};

// Every dialog of the program that is not the wizard is one of its message boxes.
BOOL CALLBACK findBox(HWND window, LPARAM target) {
    auto& search = *reinterpret_cast<BoxSearch*>(target);
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    if (!IsWindowVisible(window) || !isDialogOf(window, search.processId) || std::strcmp(kWizardTitle, text) == 0)
        return TRUE;
    search.found = window;
    return FALSE;
}

}  // namespace

WizardProcess::WizardProcess() {
    const std::string path = besideThisProgram(kSetupProgram);
    std::string commandLine = "\"" + path + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (!CreateProcessA(path.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
        return;
    CloseHandle(info.hThread);
    process = info.hProcess;
    processId = info.dwProcessId;
}

WizardProcess::~WizardProcess() {
    if (process == nullptr) return;
    if (running()) {
        TerminateProcess(process, kKilled);
        WaitForSingleObject(process, kPatience);
    }
    CloseHandle(process);
}

bool WizardProcess::running() const { return process != nullptr && WaitForSingleObject(process, 0) == WAIT_TIMEOUT; }

HWND WizardProcess::waitForWizard(DWORD timeout) {
    waitUntil(
        [&] {
            for (HWND window = nullptr; (window = FindWindowExA(nullptr, window, "#32770", kWizardTitle));) {
                if (isDialogOf(window, processId) && IsWindowVisible(window)) dialog = window;
            }
            return dialog != nullptr || !running();
        },
        timeout);
    return dialog;
}

HWND WizardProcess::waitForMessageBox(DWORD timeout) {
    BoxSearch search = {processId, nullptr};
    waitUntil(
        [&] {
            EnumWindows(findBox, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr || !running();
        },
        timeout);
    return search.found;
}

bool WizardProcess::exitsWith(DWORD code, DWORD timeout) {
    if (process == nullptr) return false;
    if (!waitUntil([&] { return !running(); }, timeout)) {
        TerminateProcess(process, kKilled);
        WaitForSingleObject(process, kPatience);
        return false;
    }
    DWORD exitCode = 0;
    return GetExitCodeProcess(process, &exitCode) && exitCode == code;
}

bool WizardProcess::usable(HWND control) const {
    return control != nullptr && IsWindowVisible(control) && IsWindowEnabled(control) && IsWindowEnabled(dialog);
}

// Sent messages reach the wizard in order, so once this one is answered the
// input sent before it has been handled, or has opened a message box whose
// own loop answered it.
void WizardProcess::settle() const { SendMessageTimeoutA(dialog, WM_NULL, 0, 0, SMTO_NORMAL, kPatience, nullptr); }

bool WizardProcess::click(int id) {
    HWND button = GetDlgItem(dialog, id);
    if (!usable(button)) return false;
    SendNotifyMessageA(button, BM_CLICK, 0, 0);
    settle();
    return true;
}

bool WizardProcess::chooseComboEntry(int id, int index) {
    HWND combo = GetDlgItem(dialog, id);
    DWORD_PTR chosen = CB_ERR;
    if (!usable(combo) || !SendMessageTimeoutA(combo, CB_SETCURSEL, index, 0, SMTO_NORMAL, kPatience, &chosen) ||
        static_cast<int>(chosen) != index)
        return false;
    // Choosing from the list tells the dialog; setting the selection alone does not.
    SendNotifyMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
    settle();
    return true;
}

bool WizardProcess::scroll(int barId, int request) {
    HWND bar = GetDlgItem(dialog, barId);
    if (!usable(bar)) return false;
    const UINT message = (GetWindowLongA(bar, GWL_STYLE) & SBS_VERT) ? WM_VSCROLL : WM_HSCROLL;
    SendNotifyMessageA(dialog, message, MAKEWPARAM(request, 0), reinterpret_cast<LPARAM>(bar));
    settle();
    return true;
}

void WizardProcess::command(int id) {
    SendNotifyMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
    settle();
}

bool WizardProcess::answer(HWND box, int button) {
    HWND control = GetDlgItem(box, button);
    if (control == nullptr) return false;
    SendNotifyMessageA(control, BM_CLICK, 0, 0);
    return waitUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); });
}

}  // namespace driver
