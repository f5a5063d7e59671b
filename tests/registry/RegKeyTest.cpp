// The statuses the key class hands back, its exact comparison of values, and
// its refusal to delete a key that has subkeys, which on the 95 family the
// system itself would take along.
#include <gtest/gtest.h>

#include "registry/RegKey.h"
#include "tests/support/Registry.h"

namespace {

const BYTE* bytes(const char* text) { return reinterpret_cast<const BYTE*>(text); }

TEST(RegKeyTest, StatusesAreTheRegistrysOwn) {
    RegistrySandbox sandbox;
    const HKEY firstFree = nextRegistryHandle();
    {
        RegKey key;
        std::string path = "Parent";
        key.setPath(path.c_str());
        path = "Elsewhere";  // the key keeps its own copy
        EXPECT_FALSE(key.exists());
        EXPECT_EQ(ERROR_FILE_NOT_FOUND, key.openKey(false));
        EXPECT_EQ(ERROR_FILE_NOT_FOUND, key.deleteKey());
        ASSERT_EQ(ERROR_SUCCESS, key.createKey());
        const DWORD binary = REG_BINARY, two = 2;
        EXPECT_EQ(ERROR_SUCCESS, key.setValue("v", &binary, bytes("\x30\x00"), &two));
        ASSERT_EQ(ERROR_SUCCESS, key.openKey(false));
        EXPECT_EQ(ERROR_ACCESS_DENIED, key.setValue("v", &binary, bytes("\x31"), &two));
        DWORD type = 0, size = 0;
        EXPECT_EQ(ERROR_SUCCESS, key.queryValueSize("v", &type, &size));
        EXPECT_EQ((std::vector<DWORD>{REG_BINARY, 2}), (std::vector<DWORD>{type, size}));
        BYTE data[2] = {};
        size = 1;
        EXPECT_EQ(ERROR_MORE_DATA, key.queryValue("v", nullptr, data, &size));
        EXPECT_EQ(2u, size);
        ASSERT_EQ(ERROR_SUCCESS, key.openKey(true));
        EXPECT_EQ(ERROR_SUCCESS, key.setValue("v", &binary, bytes("\x31"), &two));
        reg::set(HKEY_CURRENT_USER, "Parent\\Child", "", reg::text("theirs"));
        const reg::Tree before = reg::read(HKEY_CURRENT_USER);
        EXPECT_EQ(ERROR_ACCESS_DENIED, key.deleteKey());
        EXPECT_EQ(before, reg::read(HKEY_CURRENT_USER));
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
    const auto equals = [&](const char* name, DWORD type, const char* data, DWORD size) {
        return key.valueEquals(name, &type, bytes(data), &size);
    };
    EXPECT_TRUE(equals("b", REG_BINARY, "\x30\x00\x01", 3));
    EXPECT_FALSE(equals("b", REG_BINARY, "\x30\x00\x02", 3));
    EXPECT_FALSE(equals("b", REG_BINARY, "\x30\x00", 2));
    EXPECT_FALSE(equals("b", REG_NONE, "\x30\x00\x01", 3));
    EXPECT_FALSE(equals("absent", REG_BINARY, "\x30", 1));
    EXPECT_TRUE(equals("limit", REG_BINARY, many.c_str(), RegKey::kCompareLimit));
    EXPECT_FALSE(equals("over", REG_BINARY, many.c_str(), RegKey::kCompareLimit + 1));
}

}  // namespace
