// Keys that refuse to be written or deleted, which the random states do not
// make: the failure is reported where it happens and ends the commit. The
// registry then holds exactly what was done before it, and the user is left
// only Cancel.
#include <gtest/gtest.h>

#include "tests/support/Expected.h"
#include "tests/support/WizardHost.h"

namespace {

using namespace expected;

const Entry& entry(int id, int index = 0) { return feature(id).entries[index]; }

TEST(FailureTest, AKeyThatRefusesStopsTheCommitThere) {
    // Polyglot Relay's third entry refuses writes: the Cookie viewer's removal,
    // which would come later, is not attempted. Then the machine's key refuses
    // deletion after the first feature has been added.
    for (const bool machineKey : {false, true}) {
        SCOPED_TRACE(machineKey ? "machine key" : "entry key");
        WizardHost host;
        const HKEY root = machineKey ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
        const std::string locked = machineKey ? reg::kEditorName : reg::menuKey(entry(1050, 2).caption);
        reg::set(HKEY_LOCAL_MACHINE, reg::kEditorName, "", reg::text("C:\\windows\\notepad.exe"));
        reg::addEntry(entry(1050, 2).caption, "http://old.example/p.html", 0x22);
        write(entry(1048));
        ASSERT_EQ(ERROR_SUCCESS, reg::lock(root, locked));
        reg::Tree user = reg::read(HKEY_CURRENT_USER), machine = reg::read(HKEY_LOCAL_MACHINE);
        write(user, entry(1038));
        if (!machineKey) write(user, entry(1050, 0)), write(user, entry(1050, 1));
        host.open();
        ASSERT_TRUE(host.click(1));
        for (int id : machineKey ? std::vector<int>{1038, kMarkup} : std::vector<int>{1038, 1050, 1048})
            ASSERT_TRUE(host.toggle(id)) << id;
        ASSERT_TRUE(host.click(1));
        EXPECT_EQ(std::vector<std::string>{machineKey ? kUnsetFailed : kSetFailed}, host.takeBoxes());
        EXPECT_EQ(user, reg::read(HKEY_CURRENT_USER));
        EXPECT_EQ(machine, reg::read(HKEY_LOCAL_MACHINE));
        EXPECT_FALSE(host.enabled(1));
        EXPECT_FALSE(host.enabled(3));
        EXPECT_TRUE(host.click(2));
        EXPECT_EQ((std::vector<INT_PTR>{2}), host.calls.endings);
        reg::unlock(root, locked);
    }
}

}  // namespace
