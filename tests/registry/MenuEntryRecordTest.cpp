#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "catalog/FeatureCatalog.h"
#include "registry/RegKey.h"
#include "registry/RegistryLocations.h"
#include "tests/support/RegistrySandbox.h"

namespace {

// Every entry that can be registered, written through RegKey as the browser
// expects it and read back with plain registry calls. Some captions have 0x5C
// as a trail byte; each must still be one key directly below MenuExt.
TEST(MenuEntryRecordTest, EveryEntryReadsBackInTheBrowsersFormat) {
    RegistrySandbox sandbox;
    std::vector<std::string> captions;
    for (const FeatureEntry& row : FeatureCatalog::rows()) {
        if (row.discontinued) continue;
        for (const MenuEntry& entry : row.entries) {
            const std::string path = kMenuExtPath + std::string(entry.caption);
            const std::string address = kScriptBaseAddress + std::string(entry.script);
            RegKey key;
            key.setPath(path.c_str());
            ASSERT_EQ(ERROR_SUCCESS, key.createKey()) << entry.caption;
            const DWORD text = REG_SZ;
            const DWORD textSize = static_cast<DWORD>(address.size() + 1);
            const DWORD binary = REG_BINARY;
            const DWORD one = 1;
            EXPECT_EQ(ERROR_SUCCESS, key.setValue("", &text, reinterpret_cast<const BYTE*>(address.c_str()), &textSize));
            EXPECT_EQ(ERROR_SUCCESS, key.setValue(kContextsValueName, &binary, &entry.contexts, &one));
            captions.push_back(entry.caption);

            const reg::Value target = reg::readValue(HKEY_CURRENT_USER, path, "");
            EXPECT_EQ(static_cast<DWORD>(REG_SZ), target.type);
            EXPECT_EQ(std::vector<unsigned char>(address.c_str(), address.c_str() + textSize), target.data);
            const reg::Value contexts = reg::readValue(HKEY_CURRENT_USER, path, "contexts");
            EXPECT_EQ(static_cast<DWORD>(REG_BINARY), contexts.type);
            EXPECT_EQ(std::vector<unsigned char>{entry.contexts}, contexts.data);
        }
    }
    EXPECT_EQ(22u, captions.size());
    std::vector<std::string> keys = reg::subkeys(HKEY_CURRENT_USER, "Software\\Microsoft\\Internet Explorer\\MenuExt");
    std::sort(keys.begin(), keys.end());
    std::sort(captions.begin(), captions.end());
    EXPECT_EQ(captions, keys);
}

}  // namespace
