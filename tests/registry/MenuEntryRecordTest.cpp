#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "catalog/FeatureCatalog.h"
#include "registry/RegKey.h"
#include "registry/RegistryLocations.h"
#include "tests/support/RegistrySandbox.h"

namespace {

// Writes one entry the way the browser expects to find it, through RegKey only.
void writeMenuEntry(const MenuEntry& entry) {
    RegKey key;
    key.setPath((std::string(kMenuExtPath) + entry.caption).c_str());
    ASSERT_EQ(ERROR_SUCCESS, key.createKey()) << entry.caption;

    const std::string address = std::string(kScriptBaseAddress) + entry.script;
    const DWORD text = REG_SZ;
    const DWORD textSize = static_cast<DWORD>(address.size() + 1);
    EXPECT_EQ(ERROR_SUCCESS, key.setValue("", &text, reinterpret_cast<const BYTE*>(address.c_str()), &textSize));

    const DWORD binary = REG_BINARY;
    const DWORD one = 1;
    EXPECT_EQ(ERROR_SUCCESS, key.setValue(kContextsValueName, &binary, &entry.contexts, &one));
}

std::string menuExtSubkey() { return std::string(kMenuExtPath).substr(0, std::strlen(kMenuExtPath) - 1); }

class MenuEntryRecordTest : public ::testing::Test {
protected:
    RegistrySandbox sandbox;
};

TEST_F(MenuEntryRecordTest, ScriptBaseAddressIsAnHttpDirectory) {
    const std::string base = kScriptBaseAddress;
    EXPECT_EQ(0u, base.rfind("http://", 0));
    EXPECT_EQ('/', base.back());
}

// Every entry that can be registered, read back with plain registry calls:
// key names whose Shift-JIS trail bytes are 0x5C must stay one key each.
TEST_F(MenuEntryRecordTest, EveryRegisteredEntryReadsBackInTheBrowsersFormat) {
    std::vector<std::string> written;
    for (const FeatureEntry& row : FeatureCatalog::rows()) {
        if (row.discontinued) continue;
        for (const MenuEntry& entry : row.entries) {
            writeMenuEntry(entry);
            written.push_back(entry.caption);
        }
    }
    ASSERT_EQ(22u, written.size());

    std::vector<std::string> found = reg::subkeys(HKEY_CURRENT_USER, menuExtSubkey());
    std::sort(found.begin(), found.end());
    std::sort(written.begin(), written.end());
    EXPECT_EQ(written, found);

    for (const FeatureEntry& row : FeatureCatalog::rows()) {
        if (row.discontinued) continue;
        for (const MenuEntry& entry : row.entries) {
            const std::string path = std::string(kMenuExtPath) + entry.caption;
            const std::string address = std::string(kScriptBaseAddress) + entry.script;
            const reg::Value target = reg::readValue(HKEY_CURRENT_USER, path, "");
            EXPECT_EQ(static_cast<DWORD>(REG_SZ), target.type) << entry.caption;
            EXPECT_EQ(std::vector<unsigned char>(address.c_str(), address.c_str() + address.size() + 1), target.data)
                << entry.caption;
            const reg::Value contexts = reg::readValue(HKEY_CURRENT_USER, path, "contexts");
            EXPECT_EQ(static_cast<DWORD>(REG_BINARY), contexts.type) << entry.caption;
            EXPECT_EQ(std::vector<unsigned char>{entry.contexts}, contexts.data) << entry.caption;
        }
    }
}

}  // namespace
