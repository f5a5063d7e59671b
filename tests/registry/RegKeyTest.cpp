// The statuses the key hands back and how exactly it compares a value. Keeping
// other values is MenuEntriesTest's; reading, InstalledFeaturesTest's.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "registry/RegKey.h"
#include "tests/support/RegistrySandbox.h"

namespace {

const char kPath[] = "Software\\KelvaraProbe";

class RegKeyTest : public ::testing::Test {
protected:
    RegistrySandbox sandbox;
    RegKey key;

    void SetUp() override { key.setPath(kPath); }
    bool equals(const char* name, DWORD type, const void* data, DWORD size) {
        return key.valueEquals(name, &type, static_cast<const BYTE*>(data), &size);
    }
};

TEST_F(RegKeyTest, SetPathKeepsItsOwnCopyOfTheLastPath) {
    key.setPath("First");
    std::string second = "Second";
    EXPECT_NE(second.c_str(), key.setPath(second.c_str()));
    second = "Overwritten";
    ASSERT_EQ(ERROR_SUCCESS, key.createKey());
    EXPECT_EQ(std::vector<std::string>{"Second"}, reg::subkeys(HKEY_CURRENT_USER, ""));
}

// Each expectation differs from the stored value in one respect only.
TEST_F(RegKeyTest, ValueEqualsNeedsTheSameTypeSizeAndEveryByteUpToTheLimit) {
    const DWORD number = 0x30;
    const BYTE bytes[] = {0x30, 0x00, 0x01};
    const BYTE other[] = {0x30, 0x00, 0x02};
    const std::vector<BYTE> many(RegKey::kCompareLimit + 1, 'a');
    ASSERT_EQ(ERROR_SUCCESS, reg::setByte(HKEY_CURRENT_USER, kPath, "contexts", 0x30));
    ASSERT_EQ(ERROR_SUCCESS, reg::setValue(HKEY_CURRENT_USER, kPath, "dword", REG_DWORD, &number, 4));
    ASSERT_EQ(ERROR_SUCCESS, reg::setValue(HKEY_CURRENT_USER, kPath, "binary", REG_BINARY, bytes, 3));
    ASSERT_EQ(ERROR_SUCCESS, reg::setValue(HKEY_CURRENT_USER, kPath, "limit", REG_BINARY, many.data(), 260));
    ASSERT_EQ(ERROR_SUCCESS, reg::setValue(HKEY_CURRENT_USER, kPath, "over", REG_BINARY, many.data(), 261));
    ASSERT_EQ(ERROR_SUCCESS, key.openKey(false));

    EXPECT_TRUE(equals("contexts", REG_BINARY, bytes, 1));
    EXPECT_FALSE(equals("contexts", REG_DWORD, bytes, 1));
    EXPECT_FALSE(equals("contexts", REG_BINARY, bytes, 2));
    EXPECT_FALSE(equals("dword", REG_BINARY, bytes, 1));
    EXPECT_FALSE(equals("absent", REG_BINARY, bytes, 1));
    EXPECT_TRUE(equals("binary", REG_BINARY, bytes, 3));
    EXPECT_FALSE(equals("binary", REG_BINARY, other, 3));
    EXPECT_TRUE(equals("limit", REG_BINARY, many.data(), 260));
    EXPECT_FALSE(equals("over", REG_BINARY, many.data(), 261));
}

TEST_F(RegKeyTest, FailuresReturnTheRegistryStatusItself) {
    EXPECT_FALSE(key.exists());
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, key.openKey(false));
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, key.deleteKey());

    ASSERT_EQ(ERROR_SUCCESS, reg::createVolatileKey(HKEY_CURRENT_USER, "Volatile"));
    key.setPath("Volatile\\Entry");
    EXPECT_EQ(ERROR_CHILD_MUST_BE_VOLATILE, key.createKey());
    const DWORD binary = REG_BINARY;
    const DWORD one = 1;
    EXPECT_EQ(ERROR_INVALID_HANDLE, key.setValue("contexts", &binary, reinterpret_cast<const BYTE*>("\x01"), &one));

    ASSERT_EQ(ERROR_SUCCESS, reg::createKey(HKEY_CURRENT_USER, "Parent\\Child"));
    key.setPath("Parent");
    EXPECT_EQ(ERROR_ACCESS_DENIED, key.deleteKey());
    EXPECT_TRUE(reg::keyExists(HKEY_CURRENT_USER, "Parent\\Child"));
}

}  // namespace
