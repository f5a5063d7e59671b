#pragma once

#include <windows.h>

// Points the slot of this program's import table that holds function at
// replacement, and answers what the slot held. Every call the program's own
// code makes through that slot then reaches the replacement.
void* patchImport(void* function, void* replacement);

template <class Function>
Function patchImport(Function function, Function replacement) {
    return reinterpret_cast<Function>(
        patchImport(reinterpret_cast<void*>(function), reinterpret_cast<void*>(replacement)));
}
