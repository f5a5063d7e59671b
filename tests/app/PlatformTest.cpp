// Which platform ids the entry accepts. The guard against a second copy, and
// the refusal itself, are proven through the real program in
// tests/e2e/EntryTest.cpp.
#include <gtest/gtest.h>

#include "app/Platform.h"

namespace {

TEST(PlatformTest, OnlyTheTwo32BitFamiliesAreSupported) {
    EXPECT_FALSE(isSupportedPlatform(VER_PLATFORM_WIN32s));
    EXPECT_TRUE(isSupportedPlatform(VER_PLATFORM_WIN32_WINDOWS));
    EXPECT_TRUE(isSupportedPlatform(VER_PLATFORM_WIN32_NT));
    EXPECT_FALSE(isSupportedPlatform(3));
}

}  // namespace
