// The entry's first step: a library that lies only beside this program (the
// build puts one there) loads by name before it and not after it.
#include <gtest/gtest.h>

#include "app/LibraryLoading.h"

// Loaded before any test runs, as the entry's tests restrict this whole
// process too, and only after a kernel that exports neither call (this
// program) was asked for them, which must change nothing.
static const HMODULE planted = restrictLibraryLoading(GetModuleHandleA(nullptr)) ? nullptr : LoadLibraryA("planted.dll");

TEST(LibraryLoadingTest, NothingBesideTheProgramOnceRestricted) {
    ASSERT_NE(nullptr, planted);
    // As the older kernel: the theme library and dwmapi then come from the
    // system folder, though copies lie beside this program that a load by
    // name would take first (under Wine, told so by ctest). A copy loaded all
    // the same is freed, so that it can go. The folder is kernel32's as the
    // loader names it (under WOW64 not what GetSystemDirectory says), less
    // the 12 characters of its file name.
    const char* const names[] = {"uxtheme.dll", "dwmapi.dll"};
    for (const char* name : names) EXPECT_TRUE(CopyFileA("planted.dll", name, FALSE)) << name;
    EXPECT_TRUE(restrictLibraryLoading(planted));
    char kernel[MAX_PATH];
    const std::string folder(kernel, GetModuleFileNameA(GetModuleHandleA("kernel32.dll"), kernel, MAX_PATH) - 12);
    for (const char* name : names) {
        const std::string system = folder + name;
        char found[MAX_PATH] = "";
        const HMODULE module = GetModuleHandleA(name);
        if (GetModuleFileNameA(module, found, MAX_PATH) && lstrcmpiA(found, system.c_str())) FreeLibrary(module);
        if (GetFileAttributesA(system.c_str()) != INVALID_FILE_ATTRIBUTES) EXPECT_STRCASEEQ(system.c_str(), found);
        EXPECT_TRUE(DeleteFileA(name)) << name;
    }
    // Once freed, it is found by its name alone no more, where the system
    // offers the newer call (Windows XP as it shipped does not).
    FreeLibrary(planted);
    EXPECT_TRUE(restrictLibraryLoading());
    const bool systemOnly = GetProcAddress(GetModuleHandleA("kernel32.dll"), "SetDefaultDllDirectories") != nullptr;
    EXPECT_EQ(systemOnly, LoadLibraryA("planted.dll") == nullptr);
}
