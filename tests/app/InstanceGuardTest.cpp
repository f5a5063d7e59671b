#include <gtest/gtest.h>

#include <string>

#include "app/InstanceGuard.h"
#include "app/Platform.h"

namespace {

std::string uniqueName(const char* stem) { return std::string(stem) + std::to_string(GetTickCount()); }

TEST(InstanceGuardTest, OnlyTheFirstOfTwoGuardsRunsUntilItReleases) {
    const std::string name = uniqueName("KelvaraGuardTest");
    InstanceGuard first("no such title", "no such title either", name.c_str());
    EXPECT_FALSE(first.alreadyRunning);
    {
        InstanceGuard second("no such title", "no such title either", name.c_str());
        EXPECT_TRUE(second.alreadyRunning);
    }
    // The second guard closed its handle only: the mutex is still there.
    InstanceGuard third("no such title", "no such title either", name.c_str());
    EXPECT_TRUE(third.alreadyRunning);

    first.release();
    InstanceGuard fourth("no such title", "no such title either", name.c_str());
    EXPECT_FALSE(fourth.alreadyRunning);
    fourth.release();
}

TEST(PlatformTest, OnlyTheTwo32BitFamiliesAreSupported) {
    EXPECT_FALSE(isSupportedPlatform(VER_PLATFORM_WIN32s));
    EXPECT_TRUE(isSupportedPlatform(VER_PLATFORM_WIN32_WINDOWS));
    EXPECT_TRUE(isSupportedPlatform(VER_PLATFORM_WIN32_NT));
    EXPECT_FALSE(isSupportedPlatform(3));
    EXPECT_TRUE(isSupportedPlatform(currentPlatformId()));
}

}  // namespace
