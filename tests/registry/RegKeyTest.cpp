// The key class's refusal to delete a key that has subkeys where the system
// itself would take them along.
#include <gtest/gtest.h>

#include "registry/RegKey.h"
#include "tests/support/Registry.h"

// ctest runs this program as the 95 family too (where PlatformTest checks
// that it was), whose system deletes a key together with its subkeys; the NT
// family refuses by itself, so there the test has nothing to show.
TEST(RegKeyTest, KeysWithSubkeysStay) {
    OSVERSIONINFOA version = {sizeof version};
    ASSERT_TRUE(GetVersionExA(&version));
    if (version.dwPlatformId != VER_PLATFORM_WIN32_WINDOWS) GTEST_SKIP() << "the system itself keeps subkeys";
    RegistrySandbox sandbox;
    reg::set(HKEY_CURRENT_USER, "Parent\\Child", "", reg::text("theirs"));
    const reg::Tree before = reg::read(HKEY_CURRENT_USER);
    RegKey key;
    key.setPath("Parent");
    EXPECT_EQ(ERROR_ACCESS_DENIED, key.deleteKey());
    EXPECT_EQ(before, reg::read(HKEY_CURRENT_USER));
    EXPECT_EQ(ERROR_SUCCESS, RegDeleteKeyA(HKEY_CURRENT_USER, "Parent")) << "here the system would have taken it";
}
