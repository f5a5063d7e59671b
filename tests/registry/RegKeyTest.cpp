// The statuses the key class hands back, its exact comparison of values, and
// its refusal to delete a key that has subkeys.
#include <gtest/gtest.h>

#include "registry/RegKey.h"
#include "tests/support/Registry.h"

namespace {

bool equals(RegKey& key, const char* name, DWORD type, const char* data, DWORD size) {
    return key.valueEquals(name, &type, reinterpret_cast<const BYTE*>(data), &size);
}

TEST(RegKeyTest, StatusesAreTheRegistrysOwn) {
    RegistrySandbox sandbox;
    const HKEY firstFree = nextRegistryHandle();
    {
        RegKey key;
        std::string path = "Software\\Probe";
        key.setPath(path.c_str());
        path = "Software\\Elsewhere";  // the key keeps its own copy
        EXPECT_FALSE(key.exists());
        EXPECT_EQ(ERROR_FILE_NOT_FOUND, key.openKey(false));
        EXPECT_EQ(ERROR_FILE_NOT_FOUND, key.deleteKey());
        ASSERT_EQ(ERROR_SUCCESS, key.createKey());
        EXPECT_TRUE(reg::exists(HKEY_CURRENT_USER, "Software\\Probe"));
        const DWORD binary = REG_BINARY, two = 2;
        EXPECT_EQ(ERROR_SUCCESS, key.setValue("v", &binary, reinterpret_cast<const BYTE*>("\x30\x00"), &two));
        // Read access only, then writable.
        ASSERT_EQ(ERROR_SUCCESS, key.openKey(false));
        EXPECT_EQ(ERROR_ACCESS_DENIED, key.setValue("v", &binary, reinterpret_cast<const BYTE*>("\x31"), &two));
        DWORD type = 0, size = 0;
        EXPECT_EQ(ERROR_SUCCESS, key.queryValueSize("v", &type, &size));
        EXPECT_EQ((std::vector<DWORD>{REG_BINARY, 2}), (std::vector<DWORD>{type, size}));
        char data[4] = {};
        size = 1;
        EXPECT_EQ(ERROR_MORE_DATA, key.queryValue("v", nullptr, reinterpret_cast<BYTE*>(data), &size));
        EXPECT_EQ(2u, size);
        ASSERT_EQ(ERROR_SUCCESS, key.openKey(true));
        EXPECT_EQ(ERROR_SUCCESS, key.setValue("v", &binary, reinterpret_cast<const BYTE*>("\x31"), &two));
    }
    EXPECT_EQ(firstFree, nextRegistryHandle()) << "the key left its handle open";
}

// Each expectation differs from what is stored in one respect only.
TEST(RegKeyTest, ValuesAreEqualOnlyInTypeSizeAndEveryByte) {
    RegistrySandbox sandbox;
    const std::string many(RegKey::kCompareLimit + 1, 'a');
    reg::set(HKEY_CURRENT_USER, "Probe", "b", {REG_BINARY, {0x30, 0x00, 0x01}});
    reg::set(HKEY_CURRENT_USER, "Probe", "limit", {REG_BINARY, {many.begin(), many.end() - 1}});
    reg::set(HKEY_CURRENT_USER, "Probe", "over", {REG_BINARY, {many.begin(), many.end()}});
    RegKey key;
    key.setPath("Probe");
    ASSERT_EQ(ERROR_SUCCESS, key.openKey(false));
    EXPECT_TRUE(equals(key, "b", REG_BINARY, "\x30\x00\x01", 3));
    EXPECT_FALSE(equals(key, "b", REG_BINARY, "\x30\x00\x02", 3));
    EXPECT_FALSE(equals(key, "b", REG_BINARY, "\x30\x00", 2));
    EXPECT_FALSE(equals(key, "b", REG_NONE, "\x30\x00\x01", 3));
    EXPECT_FALSE(equals(key, "absent", REG_BINARY, "\x30", 1));
    EXPECT_TRUE(equals(key, "limit", REG_BINARY, many.c_str(), RegKey::kCompareLimit));
    EXPECT_FALSE(equals(key, "over", REG_BINARY, many.c_str(), RegKey::kCompareLimit + 1));
}

// On the 95 family the system itself would take the subkeys along.
TEST(RegKeyTest, AKeyWithSubkeysIsNotDeleted) {
    RegistrySandbox sandbox;
    reg::set(HKEY_CURRENT_USER, "Parent\\Child", "", reg::text("theirs"));
    const reg::Tree before = reg::read(HKEY_CURRENT_USER);
    RegKey key;
    key.setPath("Parent");
    EXPECT_EQ(ERROR_ACCESS_DENIED, key.deleteKey());
    EXPECT_EQ(before, reg::read(HKEY_CURRENT_USER));
    key.setPath("Parent\\Child");
    EXPECT_EQ(ERROR_SUCCESS, key.deleteKey());
    key.setPath("Parent");
    EXPECT_EQ(ERROR_SUCCESS, key.deleteKey());
    EXPECT_FALSE(reg::exists(HKEY_CURRENT_USER, "Parent"));
}

}  // namespace
