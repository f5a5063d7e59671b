#include "tests/e2e/WizardProcess.h"

#include <cstring>

namespace e2e {

namespace {

constexpr UINT kKilled = 0xE2E0DEAD;

std::string besideThisProgram(const std::string& name) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of("\\/") + 1) + name;
}

std::string imageName(DWORD processId) {
    char path[MAX_PATH] = {};
    HANDLE other = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (other == nullptr) return "";
    DWORD size = sizeof path;
    QueryFullProcessImageNameA(other, 0, path, &size);
    CloseHandle(other);
    const std::string full(path);
    return full.substr(full.find_last_of("\\/") + 1);
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
    if (!IsWindowVisible(window) || !isDialogOf(window, search.processId) || std::strcmp(kWizardTitle, text) == 0) return TRUE;
    search.found = window;
    return FALSE;
}

// Wine shows its debugger's "program error" dialog when a program crashes,
// and the program hangs until someone answers it.
BOOL CALLBACK findCrashDialog(HWND window, LPARAM target) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (!IsWindowVisible(window) || _stricmp(imageName(owner).c_str(), "winedbg.exe") != 0) return TRUE;
    *reinterpret_cast<DWORD*>(target) = owner;
    return FALSE;
}

}  // namespace

std::ostream& operator<<(std::ostream& out, const ExitStatus& status) {
    switch (status.kind) {
    case ExitStatus::Kind::Exited: return out << "exited with code " << status.code;
    case ExitStatus::Kind::Crashed: return out << "crashed";
    case ExitStatus::Kind::StillRunning: return out << "still running when the wait ended";
    }
    return out;
}

WizardProcess::WizardProcess(const std::string& arguments) {
    const std::string path = besideThisProgram(kSetupProgram);
    std::string commandLine = "\"" + path + "\" " + arguments;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (!CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &info))
        return;
    CloseHandle(info.hThread);
    process = info.hProcess;
    processId = info.dwProcessId;
    threadId = info.dwThreadId;
}

WizardProcess::~WizardProcess() {
    if (process == nullptr) return;
    endCrash();
    if (running()) {
        TerminateProcess(process, kKilled);
        WaitForSingleObject(process, kPatience);
    }
    CloseHandle(process);
}

bool WizardProcess::running() const { return process != nullptr && WaitForSingleObject(process, 0) == WAIT_TIMEOUT; }

bool WizardProcess::endCrash() {
    DWORD debugger = 0;
    EnumWindows(findCrashDialog, reinterpret_cast<LPARAM>(&debugger));
    if (debugger == 0) return false;
    HANDLE other = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, debugger);
    if (other != nullptr) {
        TerminateProcess(other, kKilled);
        WaitForSingleObject(other, kPatience);
        CloseHandle(other);
    }
    if (running()) TerminateProcess(process, kKilled);
    WaitForSingleObject(process, kPatience);
    crashed = true;
    return true;
}

HWND WizardProcess::waitForWizard(DWORD timeout) {
    waitUntil(
        [&] {
            for (HWND window = nullptr; (window = FindWindowExA(nullptr, window, "#32770", kWizardTitle));) {
                if (isDialogOf(window, processId) && IsWindowVisible(window)) dialog = window;
            }
            return dialog != nullptr || !running() || endCrash();
        },
        timeout);
    return dialog;
}

MessageBoxView WizardProcess::waitForMessageBox(DWORD timeout) {
    BoxSearch search = {processId, nullptr};
    waitUntil(
        [&] {
            EnumWindows(findBox, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr || !running() || endCrash();
        },
        timeout);
    return readMessageBox(search.found);
}

ExitStatus WizardProcess::waitForExit(DWORD timeout) {
    if (process == nullptr) return {};
    waitUntil([&] { return !running() || endCrash(); }, timeout);
    if (crashed) return {ExitStatus::Kind::Crashed, 0};
    if (running()) {
        TerminateProcess(process, kKilled);
        WaitForSingleObject(process, kPatience);
        return {};
    }
    DWORD code = 0;
    GetExitCodeProcess(process, &code);
    return ExitStatus::exited(code);
}

SIZE WizardProcess::clientSize() const {
    RECT client = {};
    GetClientRect(dialog, &client);
    return {client.right, client.bottom};
}

}  // namespace e2e
