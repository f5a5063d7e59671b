#pragma once

#include <windows.h>

namespace driver {

// The longest any single step of the wizard may take before a tool gives up.
// Generous, because a cold Wine server can take a few seconds to start a
// program.
inline constexpr DWORD kPatience = 10000;

// Polls until the condition holds; false when the time ran out first.
template <class Condition>
bool waitUntil(Condition condition, DWORD timeout = kPatience) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (condition()) return true;
        if (GetTickCount() - start >= timeout) return false;
        Sleep(10);
    }
}

}  // namespace driver
