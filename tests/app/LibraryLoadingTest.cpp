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
    // As the older kernel: the theme library then comes from the system folder.
    EXPECT_TRUE(restrictLibraryLoading(planted));
    // Once freed, it is found by its name alone no more, where the system
    // offers the newer call (Windows XP as it shipped does not).
    FreeLibrary(planted);
    EXPECT_TRUE(restrictLibraryLoading());
    const bool systemOnly = GetProcAddress(GetModuleHandleA("kernel32.dll"), "SetDefaultDllDirectories") != nullptr;
    EXPECT_EQ(systemOnly, LoadLibraryA("planted.dll") == nullptr);
}
