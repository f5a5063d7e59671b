#include "tests/e2e/WizardTest.h"

void WizardTest::SetUp() {
    e2e::clearWizardState();
    HANDLE mutex = OpenMutexA(SYNCHRONIZE, FALSE, e2e::kMutexName);
    if (mutex != nullptr) CloseHandle(mutex);
    ASSERT_EQ(nullptr, mutex) << "another setup.exe is running";
}

void WizardTest::TearDown() { e2e::clearWizardState(); }

namespace e2e {

void answerBox(WizardProcess& setup, const char* text) {
    const MessageBoxView box = setup.waitForMessageBox();
    ASSERT_NE(nullptr, box.window) << "no message box came up";
    EXPECT_EQ(setup.wizard(), box.owner);
    EXPECT_EQ(std::string(kMessageCaption), box.caption);
    EXPECT_EQ(std::string(text), box.text);
    EXPECT_EQ(std::vector<int>{IDOK}, box.buttons);
    EXPECT_TRUE(box.hasIcon);
    EXPECT_TRUE(setup.answer(box, IDOK));
}

RegistryValues entryValues(const MenuEntryFact& entry) {
    const std::string address = std::string(kScriptBase) + entry.script;
    return {{"", {REG_SZ, std::vector<unsigned char>(address.c_str(), address.c_str() + address.size() + 1)}},
            {"contexts", {REG_BINARY, {entry.contexts}}}};
}

}  // namespace e2e
