#include "app/InstanceGuard.h"

namespace {

void bringForward(const char* messageTitle, const char* wizardTitle) {
    // A message box of the other instance goes in front of its wizard, so it
    // is looked for first.
    HWND window = FindWindowA(nullptr, messageTitle);
    if (window == nullptr) window = FindWindowA(nullptr, wizardTitle);
    if (window != nullptr) SetForegroundWindow(window);
}

}  // namespace

InstanceGuard::InstanceGuard(const char* messageTitle, const char* wizardTitle, const char* mutexName)
    : alreadyRunning(false), mutex(nullptr) {
    HANDLE existing = OpenMutexA(MUTEX_ALL_ACCESS, FALSE, mutexName);
    if (existing == nullptr) {
        mutex = CreateMutexA(nullptr, TRUE, mutexName);
        // Two starts in the same instant can both miss the open; the later
        // creation then gets the earlier one's mutex without owning it.
        if (mutex == nullptr || GetLastError() != ERROR_ALREADY_EXISTS) return;
        existing = mutex;
        mutex = nullptr;
    }
    CloseHandle(existing);
    alreadyRunning = true;
    bringForward(messageTitle, wizardTitle);
}

void InstanceGuard::release() {
    ReleaseMutex(mutex);
    CloseHandle(mutex);
}
