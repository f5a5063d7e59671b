#include "app/LibraryLoading.h"

// Looked up, not imported: Windows 95 and NT 4.0 would refuse to start a
// program that imports either. GetProcAddress's own type fits neither call;
// the plain function type between them is the one compilers take as generic.
template <typename Call>
static Call lookUp(HMODULE kernel, const char* name) {
    return reinterpret_cast<Call>(reinterpret_cast<void (*)()>(GetProcAddress(kernel, name)));
}

bool restrictLibraryLoading(HMODULE kernel) {
    const auto systemOnly = lookUp<BOOL(WINAPI*)(DWORD)>(kernel, "SetDefaultDllDirectories");
    if (systemOnly != nullptr && systemOnly(LOAD_LIBRARY_SEARCH_SYSTEM32)) return true;
    // The older call, from XP SP1 on, takes only the current folder out of
    // the search; the program's own still comes first.
    const auto setDirectory = lookUp<BOOL(WINAPI*)(LPCSTR)>(kernel, "SetDllDirectoryA");
    const bool currentLeftOut = setDirectory == nullptr || setDirectory("");
    // A library already loaded is found by its name alone, so the theme
    // library and dwmapi, which windows load by name too, are loaded here
    // from the system folder and never freed: the first window gets these.
    // That needs no call a kernel could lack, so XP as it shipped, which has
    // the theme library, gets it too. The altered search takes what they
    // import from their own folder as well, where a plain load would look in
    // the program's first.
    char path[MAX_PATH + 16];
    const UINT length = GetSystemDirectoryA(path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return false;
    // dwmapi came only with Vista: where the system folder lacks it, nothing
    // asks for it by name, so its absence is no failure.
    lstrcpyA(path + length, "\\dwmapi.dll");
    LoadLibraryExA(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    lstrcpyA(path + length, "\\uxtheme.dll");
    return LoadLibraryExA(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH) != nullptr && currentLeftOut;
}
