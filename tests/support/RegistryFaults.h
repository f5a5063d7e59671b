#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

// One registry call, by what it names: the function, the key from its root
// ("HKCU\..." or "HKLM\...", no trailing backslash), and the value's name or,
// for RegOpenKeyExA, the access asked for.
struct RegistryCall {
    std::string function, key, detail;
    bool operator==(const RegistryCall& other) const {
        return function == other.function && key == other.key && detail == other.detail;
    }
};

// While alive and counting, every registry call this program makes through
// its import table is logged, and the one at index failing is refused with
// error, as a full registry or a system short of resources refuses a call
// whose key opened fine. A refused RegCloseKey still closes: a program can do
// nothing about a close that fails, and the handle count must stay exact.
class RegistryFaults {
public:
    RegistryFaults();
    ~RegistryFaults();
    RegistryFaults(const RegistryFaults&) = delete;
    RegistryFaults& operator=(const RegistryFaults&) = delete;

    bool counting = false;
    size_t failing = SIZE_MAX;
    LONG error = ERROR_NO_SYSTEM_RESOURCES;

    std::vector<RegistryCall> calls;
};
