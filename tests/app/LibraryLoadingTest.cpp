// The entry's first step: a library that lies only beside this program (the
// build puts an empty one there) loads by name before it and not after it.
// Each load is freed at once, as a library still loaded is found by its name
// alone, wherever the search would look.
#include <gtest/gtest.h>

#include "app/LibraryLoading.h"

static bool plantedLoads() { return FreeLibrary(LoadLibraryA("planted.dll")) != FALSE; }

// Tried before any test runs, as the entry's tests restrict this whole process
// too, and only after a kernel that exports neither call (this program) was
// asked for them, which must change nothing.
static const bool loadedAtStart = !restrictLibraryLoading(GetModuleHandleA(nullptr)) && plantedLoads();

TEST(LibraryLoadingTest, NothingBesideTheProgramOnceRestricted) {
    EXPECT_TRUE(loadedAtStart);
    EXPECT_TRUE(restrictLibraryLoading());
    EXPECT_FALSE(plantedLoads());
}
