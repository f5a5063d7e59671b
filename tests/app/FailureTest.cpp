// Writes that fail, at start and in the commit. The first failure is reported
// where it happens and ends the commit: the registry then holds exactly what
// was done before it, and the user is left only Cancel.
#include <gtest/gtest.h>

#include "tests/support/Expected.h"
#include "tests/support/WizardHost.h"

namespace {

using namespace expected;

const Entry& entry(int id, int index = 0) { return feature(id).entries[index]; }

void erase(reg::Tree& tree, int id, int index = 0) { tree.erase(reg::menuKey(entry(id, index).caption)); }

struct Failure {
    const char* name;
    void (*prepare)();
    std::string locked;  // a key below HKEY_CURRENT_USER or, with "HKLM\", the machine's
    std::vector<int> toggles;
    const char* box;
    void (*done)(reg::Tree& user, reg::Tree& machine);  // what goes before the failure
};

void PrintTo(const Failure& c, std::ostream* out) { *out << c.name; }

const Failure kFailures[] = {
    {"EntryGoneMidFeature",
     [] {
         for (int i : {0, 1, 3, 4}) write(entry(kLexiconPlus, i));
         write(entry(1009)), write(entry(1015));
     },
     "", {1009, kLexiconPlus, 1015}, kUnsetFailed,
     [](reg::Tree& user, reg::Tree&) { erase(user, 1009), erase(user, kLexiconPlus, 0), erase(user, kLexiconPlus, 1); }},
    {"EntryRefusesWritesMidFeature",
     [] { reg::addEntry(entry(1050, 2).caption, "http://old.example/p.html", 0x22), write(entry(1048)); },
     reg::menuKey(entry(1050, 2).caption), {1038, 1050, 1048}, kSetFailed,
     [](reg::Tree& user, reg::Tree&) { write(user, entry(1038)), write(user, entry(1050, 0)), write(user, entry(1050, 1)); }},
    // Neither family may delete a key with subkeys, the entry's nor the viewer's.
    {"EntryWithSubkey",
     [] { write(entry(1019)), write(entry(1048)), write(entry(1036)), reg::create(HKEY_CURRENT_USER, reg::menuKey(entry(1048).caption) + "\\Child"); },
     "", {1019, 1048, 1036}, kUnsetFailed, [](reg::Tree& user, reg::Tree&) { erase(user, 1019); }},
    {"SourceViewerKeyWithSubkey",
     [] { reg::set(HKEY_LOCAL_MACHINE, reg::kEditorName, "", reg::text("C:\\windows\\notepad.exe")), reg::create(HKEY_LOCAL_MACHINE, std::string(reg::kViewSource) + "\\Other Editor"); },
     "", {1009, kMarkup}, kUnsetFailed,
     [](reg::Tree& user, reg::Tree& machine) { write(user, entry(1009)), machine.erase(reg::kEditorName); }},
    {"SourceViewerKeyLocked", [] { reg::set(HKEY_LOCAL_MACHINE, reg::kEditorName, "", reg::text("C:\\windows\\notepad.exe")); },
     std::string("HKLM\\") + reg::kEditorName, {1009, kMarkup}, kUnsetFailed,
     [](reg::Tree& user, reg::Tree&) { write(user, entry(1009)); }},
    // Below a volatile key no lasting key can be made.
    {"CreationRefused",
     [] { RegDeleteKeyA(HKEY_CURRENT_USER, reg::kMenuExt), reg::create(HKEY_CURRENT_USER, reg::kMenuExt, REG_OPTION_VOLATILE); }, "", {1009}, kSetFailed,
     [](reg::Tree&, reg::Tree&) {}},
};

class FailureTest : public ::testing::TestWithParam<Failure> {};

TEST_P(FailureTest, StopsAtTheFirstFailure) {
    const Failure& c = GetParam();
    WizardHost host;
    reg::create(HKEY_CURRENT_USER, reg::kMenuExt);
    c.prepare();
    const bool machineKey = c.locked.rfind("HKLM\\", 0) == 0;
    const HKEY root = machineKey ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
    const std::string locked = machineKey ? c.locked.substr(5) : c.locked;
    if (!locked.empty()) ASSERT_EQ(ERROR_SUCCESS, reg::lock(root, locked));
    reg::Tree user = reg::read(HKEY_CURRENT_USER), machine = reg::read(HKEY_LOCAL_MACHINE);
    c.done(user, machine);
    host.open();
    ASSERT_TRUE(host.click(1));
    for (int id : c.toggles) ASSERT_TRUE(host.toggle(id)) << id;
    ASSERT_TRUE(host.click(1));
    EXPECT_EQ(std::vector<std::string>{c.box}, host.takeBoxes());
    EXPECT_EQ(user, reg::read(HKEY_CURRENT_USER));
    EXPECT_EQ(machine, reg::read(HKEY_LOCAL_MACHINE));
    EXPECT_FALSE(host.enabled(1));
    EXPECT_FALSE(host.enabled(3));
    EXPECT_TRUE(host.click(2));
    EXPECT_EQ((std::vector<INT_PTR>{2}), host.calls.endings);
    if (!locked.empty()) reg::unlock(root, locked);
}

INSTANTIATE_TEST_SUITE_P(, FailureTest, ::testing::ValuesIn(kFailures), [](const auto& info) { return std::string(info.param.name); });

// A move at start that fails is reported before the wizard shows; the older
// entry stays, the feature counts as there, and the wizard opens as always.
TEST(StartupFailureTest, MovesThatFailLeaveTheOlderEntry) {
    const Feature& gatherer = feature(1009);
    for (const bool creation : {true, false}) {
        WizardHost host;
        if (creation) reg::create(HKEY_CURRENT_USER, reg::kMenuExt, REG_OPTION_VOLATILE);
        if (creation) reg::create(HKEY_CURRENT_USER, reg::menuKey(gatherer.olderCaption), REG_OPTION_VOLATILE);
        if (!creation) reg::create(HKEY_CURRENT_USER, reg::menuKey(gatherer.olderCaption) + "\\Child");
        reg::Tree user = reg::read(HKEY_CURRENT_USER);
        if (!creation) write(user, gatherer.entries[0]);
        host.open();
        EXPECT_EQ(std::vector<std::string>{creation ? kSetFailed : kUnsetFailed}, host.takeBoxes());
        EXPECT_EQ(user, reg::read(HKEY_CURRENT_USER));
        EXPECT_EQ((std::vector<int>{1001, 3, 1, 2, 1002, 1003, 1004}), host.inView());
        EXPECT_TRUE(host.ticked(1009));
        EXPECT_TRUE(host.click(1));
        EXPECT_EQ(kFinish, host.text(1));
    }
}

}  // namespace
