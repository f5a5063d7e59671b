// The controls as the dialog opens are checked in every random case (see
// tests/support/OpeningLayout.cpp); here, the source viewer's path is read
// whole whatever its length. It has room for 256 bytes and its end, and a
// longer one gets a buffer of its own size. Stored as text it ends in a NUL;
// as bytes it need not.
#include <gtest/gtest.h>

#include "tests/support/WizardHost.h"

TEST(LayoutTest, TheEditorPathIsReadWholeAtEveryLength) {
    for (const size_t size : {256, 257, 258}) {
        for (const bool terminated : {true, false}) {
            WizardHost host;
            const std::string path(size - terminated, 'p');
            const reg::Value value = terminated ? reg::text(path) : reg::Value{REG_BINARY, {path.begin(), path.end()}};
            reg::set(HKEY_LOCAL_MACHINE, driver::kEditorNamePath, "", value);
            host.open();
            EXPECT_EQ(path, host.text(1029)) << size << " bytes, terminated " << terminated;
        }
    }
}
