#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "registry/RegKey.h"
#include "tests/support/RegistrySandbox.h"

namespace {

const char kProbePath[] = "Software\\KelvaraProbe";

// A freed handle slot is the next one handed out, so the handle an open and
// close gets shows whether anything in between left a handle open.
HKEY nextKeyHandle() {
    HKEY key = nullptr;
    EXPECT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_READ, &key));
    RegCloseKey(key);
    return key;
}

class RegKeyTest : public ::testing::Test {
protected:
    RegistrySandbox sandbox;
    RegKey key;

    void SetUp() override { key.setPath(kProbePath); }
};

TEST_F(RegKeyTest, AnAbsentKeyAnswersWithTheRegistryStatus) {
    EXPECT_FALSE(key.exists());
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, key.openKey(false));
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, key.openKey(true));
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, key.deleteKey());

    DWORD size = 0;
    EXPECT_NE(ERROR_SUCCESS, key.queryValueSize("", nullptr, &size));
    EXPECT_FALSE(reg::keyExists(HKEY_CURRENT_USER, kProbePath));
}

TEST_F(RegKeyTest, ExistsOpeningAgainAndDestructionLeaveNoHandleOpen) {
    ASSERT_EQ(ERROR_SUCCESS, reg::setString(HKEY_CURRENT_USER, kProbePath, "", "held"));
    const HKEY free = nextKeyHandle();

    EXPECT_TRUE(key.exists());
    EXPECT_EQ(free, nextKeyHandle());
    EXPECT_EQ(ERROR_SUCCESS, key.deleteKey());
    EXPECT_FALSE(key.exists());

    ASSERT_EQ(ERROR_SUCCESS, reg::createKey(HKEY_CURRENT_USER, kProbePath));
    {
        RegKey opened;
        opened.setPath(kProbePath);
        EXPECT_EQ(ERROR_SUCCESS, opened.openKey(false));
        EXPECT_EQ(ERROR_SUCCESS, opened.openKey(true));
        EXPECT_EQ(ERROR_SUCCESS, opened.createKey());
    }
    EXPECT_EQ(free, nextKeyHandle());
}

TEST_F(RegKeyTest, ExistsOnAnotherPathLeavesTheOpenHandleUsable) {
    ASSERT_EQ(ERROR_SUCCESS, reg::setString(HKEY_CURRENT_USER, kProbePath, "", "held"));
    ASSERT_EQ(ERROR_SUCCESS, key.openKey(false));
    key.setPath("Software");
    EXPECT_TRUE(key.exists());

    DWORD type = 0;
    DWORD size = 0;
    EXPECT_EQ(ERROR_SUCCESS, key.queryValueSize("", &type, &size));
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), type);
    EXPECT_EQ(5u, size);
}

TEST_F(RegKeyTest, SetPathKeepsItsOwnCopyOfTheLastPath) {
    key.setPath("Software\\First");
    std::string second = "Software\\Second";
    const char* copy = key.setPath(second.c_str());
    EXPECT_NE(second.c_str(), copy);
    EXPECT_STREQ("Software\\Second", copy);
    second.assign("Software\\Overwritten");

    ASSERT_EQ(ERROR_SUCCESS, key.createKey());
    EXPECT_TRUE(reg::keyExists(HKEY_CURRENT_USER, "Software\\Second"));
    EXPECT_FALSE(reg::keyExists(HKEY_CURRENT_USER, "Software\\First"));
    EXPECT_FALSE(reg::keyExists(HKEY_CURRENT_USER, "Software\\Overwritten"));
}

TEST_F(RegKeyTest, CreateOverAnExistingKeyKeepsItsOtherValues) {
    ASSERT_EQ(ERROR_SUCCESS, reg::setString(HKEY_CURRENT_USER, kProbePath, "other", "kept"));
    ASSERT_EQ(ERROR_SUCCESS, key.createKey());
    const DWORD type = REG_BINARY;
    const DWORD size = 1;
    const BYTE mask = 0x22;
    EXPECT_EQ(ERROR_SUCCESS, key.setValue("contexts", &type, &mask, &size));

    EXPECT_EQ("kept", reg::readValue(HKEY_CURRENT_USER, kProbePath, "other").text());
    const reg::Value stored = reg::readValue(HKEY_CURRENT_USER, kProbePath, "contexts");
    EXPECT_EQ(static_cast<DWORD>(REG_BINARY), stored.type);
    EXPECT_EQ(std::vector<unsigned char>{0x22}, stored.data);
}

TEST_F(RegKeyTest, QueriesReportTypeAndSizeWithTheTerminator) {
    ASSERT_EQ(ERROR_SUCCESS, reg::setString(HKEY_CURRENT_USER, kProbePath, "", "C:\\editor.exe"));
    ASSERT_EQ(ERROR_SUCCESS, key.openKey(false));

    DWORD type = 0;
    DWORD size = 0;
    ASSERT_EQ(ERROR_SUCCESS, key.queryValueSize("", &type, &size));
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), type);
    EXPECT_EQ(14u, size);

    BYTE small[4];
    DWORD smallSize = sizeof small;
    EXPECT_EQ(ERROR_MORE_DATA, key.queryValue("", nullptr, small, &smallSize));
    EXPECT_EQ(14u, smallSize);

    char text[32] = {};
    DWORD textSize = sizeof text;
    ASSERT_EQ(ERROR_SUCCESS, key.queryValue("", nullptr, reinterpret_cast<BYTE*>(text), &textSize));
    EXPECT_STREQ("C:\\editor.exe", text);
    EXPECT_EQ(14u, textSize);
}

// Each expectation differs from the stored value in one respect only.
TEST_F(RegKeyTest, ValueEqualsNeedsTheSameTypeSizeAndEveryByte) {
    const BYTE stored[] = {0x30, 0x00, 0x01};
    const DWORD number = 0x30;
    ASSERT_EQ(ERROR_SUCCESS, reg::setByte(HKEY_CURRENT_USER, kProbePath, "contexts", 0x30));
    ASSERT_EQ(ERROR_SUCCESS, reg::setValue(HKEY_CURRENT_USER, kProbePath, "dword", REG_DWORD, &number, 4));
    ASSERT_EQ(ERROR_SUCCESS, reg::setValue(HKEY_CURRENT_USER, kProbePath, "binary", REG_BINARY, stored, 3));
    ASSERT_EQ(ERROR_SUCCESS, key.openKey(false));

    const DWORD binary = REG_BINARY;
    const DWORD dword = REG_DWORD;
    const DWORD one = 1;
    const DWORD two = 2;
    const DWORD three = 3;
    const DWORD four = 4;
    const BYTE other[] = {0x30, 0x00, 0x02};
    EXPECT_TRUE(key.valueEquals("contexts", &binary, stored, &one));
    EXPECT_FALSE(key.valueEquals("contexts", &dword, stored, &one));
    EXPECT_FALSE(key.valueEquals("contexts", &binary, stored, &two));
    EXPECT_FALSE(key.valueEquals("contexts", &binary, other + 2, &one));
    EXPECT_FALSE(key.valueEquals("dword", &binary, stored, &one));
    EXPECT_TRUE(key.valueEquals("dword", &dword, reinterpret_cast<const BYTE*>(&number), &four));
    EXPECT_FALSE(key.valueEquals("absent", &binary, stored, &one));
    EXPECT_TRUE(key.valueEquals("binary", &binary, stored, &three));
    EXPECT_FALSE(key.valueEquals("binary", &binary, other, &three));
}

TEST_F(RegKeyTest, ValueEqualsComparesUpToTheLimitAndNoFurther) {
    const std::vector<BYTE> limit(RegKey::kCompareLimit, 'a');
    const std::vector<BYTE> over(RegKey::kCompareLimit + 1, 'a');
    ASSERT_EQ(ERROR_SUCCESS, reg::setValue(HKEY_CURRENT_USER, kProbePath, "limit", REG_BINARY, limit.data(),
                                           static_cast<DWORD>(limit.size())));
    ASSERT_EQ(ERROR_SUCCESS, reg::setValue(HKEY_CURRENT_USER, kProbePath, "over", REG_BINARY, over.data(),
                                           static_cast<DWORD>(over.size())));
    ASSERT_EQ(ERROR_SUCCESS, key.openKey(false));

    const DWORD binary = REG_BINARY;
    const DWORD limitSize = static_cast<DWORD>(limit.size());
    const DWORD overSize = static_cast<DWORD>(over.size());
    EXPECT_TRUE(key.valueEquals("limit", &binary, limit.data(), &limitSize));
    EXPECT_FALSE(key.valueEquals("over", &binary, over.data(), &overSize));
}

TEST_F(RegKeyTest, FailuresReturnTheRegistryStatusItself) {
    ASSERT_EQ(ERROR_SUCCESS, reg::createVolatileKey(HKEY_CURRENT_USER, "Volatile"));
    key.setPath("Volatile\\Entry");
    EXPECT_EQ(ERROR_CHILD_MUST_BE_VOLATILE, key.createKey());

    const DWORD type = REG_BINARY;
    const DWORD size = 1;
    const BYTE mask = 0x01;
    EXPECT_EQ(ERROR_INVALID_HANDLE, key.setValue("contexts", &type, &mask, &size));

    ASSERT_EQ(ERROR_SUCCESS, reg::createKey(HKEY_CURRENT_USER, "Software\\Parent\\Child"));
    key.setPath("Software\\Parent");
    EXPECT_EQ(ERROR_ACCESS_DENIED, key.deleteKey());
    EXPECT_TRUE(reg::keyExists(HKEY_CURRENT_USER, "Software\\Parent\\Child"));
}

TEST_F(RegKeyTest, EachRootReachesOnlyItsOwnHive) {
    RegKey machine(HKEY_LOCAL_MACHINE);
    machine.setPath(kProbePath);
    ASSERT_EQ(ERROR_SUCCESS, machine.createKey());
    EXPECT_TRUE(reg::keyExists(HKEY_LOCAL_MACHINE, kProbePath));
    EXPECT_FALSE(reg::keyExists(HKEY_CURRENT_USER, kProbePath));
    EXPECT_FALSE(key.exists());

    ASSERT_EQ(ERROR_SUCCESS, key.createKey());
    EXPECT_EQ(ERROR_SUCCESS, machine.deleteKey());
    EXPECT_FALSE(reg::keyExists(HKEY_LOCAL_MACHINE, kProbePath));
    EXPECT_TRUE(reg::keyExists(HKEY_CURRENT_USER, kProbePath));
}

}  // namespace
