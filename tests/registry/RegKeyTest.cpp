// The statuses the key class hands back, its exact comparison of values, and
// its refusal to delete a key that has subkeys, which on the 95 family the
// system itself would take along.
#include <gtest/gtest.h>

#include "registry/RegKey.h"
#include "tests/support/Registry.h"

TEST(RegKeyTest, StatusesComparisonsAndDeletes) {
    RegistrySandbox sandbox;
    const std::string many(RegKey::kCompareLimit + 1, 'a');
    reg::set(HKEY_CURRENT_USER, "Parent\\Child", "", reg::text("theirs"));
    reg::set(HKEY_CURRENT_USER, "Parent", "limit", {REG_BINARY, {many.begin(), many.end() - 1}});
    reg::set(HKEY_CURRENT_USER, "Parent", "over", {REG_BINARY, {many.begin(), many.end()}});
    const reg::Tree before = reg::read(HKEY_CURRENT_USER);
    RegKey key;
    key.setPath("Parent\\Absent");
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, key.openKey(false));
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, key.deleteKey());
    key.setPath("Parent");
    EXPECT_EQ(ERROR_ACCESS_DENIED, key.deleteKey());
    EXPECT_EQ(before, reg::read(HKEY_CURRENT_USER));
    ASSERT_EQ(ERROR_SUCCESS, key.openKey(false));
    DWORD type = REG_BINARY, size = RegKey::kCompareLimit;
    const auto* data = reinterpret_cast<const BYTE*>(many.c_str());
    EXPECT_TRUE(key.valueEquals("limit", &type, data, &size));
    ++size;
    EXPECT_FALSE(key.valueEquals("over", &type, data, &size));
    EXPECT_EQ(ERROR_ACCESS_DENIED, key.setValue("v", &type, data, &size));  // opened to read only
}
