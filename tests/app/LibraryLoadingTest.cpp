// The entry's first step where the newest call is missing: the libraries
// windows load by name come from the system folder, though copies lie beside
// this program. That a library beside the program no longer loads by name
// where the newest call exists, the entry's own test shows.
#include <gtest/gtest.h>

#include "app/LibraryLoading.h"

// Loaded before any test runs, as the entry's tests restrict this whole
// process too.
static const HMODULE planted = LoadLibraryA("planted.dll");

TEST(LibraryLoadingTest, NothingBesideTheProgramOnceRestricted) {
    ASSERT_NE(nullptr, planted);
    // As the older kernels, Windows XP as it shipped, which exports neither
    // call (as this program), then XP SP1 to 7, the older only (as planted):
    // the theme library and dwmapi then come from the system folder, though
    // copies lie beside this program that a load by name would take first
    // (under Wine, told so by ctest). Each is freed until the process holds
    // it no more (Wine's dwmapi holds the theme library too), so that the
    // next kernel loads it afresh and the copy can go. The folder is
    // kernel32's as the loader names it (under WOW64 not what
    // GetSystemDirectory says), less the 12 characters of its file name; a
    // library missing there must not be loaded at all.
    const char* const names[] = {"dwmapi.dll", "uxtheme.dll"};
    char kernel[MAX_PATH];
    const std::string folder(kernel, GetModuleFileNameA(GetModuleHandleA("kernel32.dll"), kernel, MAX_PATH) - 12);
    for (const HMODULE older : {GetModuleHandleA(nullptr), planted}) {
        for (const char* name : names) {
            ASSERT_EQ(nullptr, GetModuleHandleA(name)) << name;
            EXPECT_TRUE(CopyFileA("planted.dll", name, FALSE)) << name;
        }
        EXPECT_TRUE(restrictLibraryLoading(older));
        for (const char* name : names) {
            const std::string system = folder + name;
            char found[MAX_PATH] = "";
            if (const HMODULE module = GetModuleHandleA(name)) {
                GetModuleFileNameA(module, found, MAX_PATH);
                for (int held = 0; held < 9 && GetModuleHandleA(name) && FreeLibrary(module); ++held) {}
            }
            const bool there = GetFileAttributesA(system.c_str()) != INVALID_FILE_ATTRIBUTES;
            EXPECT_STRCASEEQ(there ? system.c_str() : "", found);
            EXPECT_TRUE(DeleteFileA(name)) << name;
        }
    }
}
