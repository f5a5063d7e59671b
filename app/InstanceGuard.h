#pragma once

#include <windows.h>

// Every copy of the wizard looks for this one mutex.
inline constexpr char kMutexName[] = "IE_Kelvara";

// Keeps a second copy of the wizard from running. Construction does the whole
// check; the owner releases the mutex itself once the wizard has ended.
class InstanceGuard {
public:
    // When another instance runs, its window titled messageTitle (one of its
    // message boxes) or else wizardTitle is brought to the foreground.
    InstanceGuard(const char* messageTitle, const char* wizardTitle, const char* mutexName);
    virtual ~InstanceGuard() = default;

    InstanceGuard(const InstanceGuard&) = delete;
    InstanceGuard& operator=(const InstanceGuard&) = delete;

    void release();

    bool alreadyRunning;

private:
    HANDLE mutex;
};
