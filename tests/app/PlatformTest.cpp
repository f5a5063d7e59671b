// The program's own platform query, which the entry's tests replace: ctest
// runs this in platform_tests with Wine playing a system of each kind
// (tests/CMakeLists.txt), and KELVARA_PLATFORM says what the query must read
// there and whether the wizard runs, as "<platform id> runs" or "... refused".
#include <gtest/gtest.h>

#include <cstdlib>

#include "app/Platform.h"

TEST(PlatformTest, TheSystemWinePlays) {
    const char* played = std::getenv("KELVARA_PLATFORM");
    if (played == nullptr) GTEST_SKIP() << "no system set to play";
    const DWORD id = currentPlatformId();
    EXPECT_EQ(played, std::to_string(id) + (isSupportedPlatform(id) ? " runs" : " refused"));
}
