#include <string>
#include <vector>

#include "tests/e2e/E2eRegistry.h"
#include "tests/e2e/WizardProcess.h"
#include "tests/e2e/WizardTest.h"

using namespace e2e;

namespace {

class EntryTest : public WizardTest {};

bool mutexExists() {
    HANDLE mutex = OpenMutexA(SYNCHRONIZE, FALSE, kMutexName);
    if (mutex != nullptr) CloseHandle(mutex);
    return mutex != nullptr;
}

TEST_F(EntryTest, TheWizardComesUpBigEnoughAndCancelEndsItWithExitCode1) {
    WizardProcess setup;
    ASSERT_TRUE(setup.started());
    ASSERT_NE(nullptr, setup.waitForWizard());
    EXPECT_GE(setup.clientSize().cx, kMinClientWidth);
    EXPECT_GE(setup.clientSize().cy, kMinClientHeight);
    EXPECT_EQ(nullptr, setup.waitForMessageBox(0).window);

    setup.command(IDCANCEL);
    EXPECT_EQ(ExitStatus::exited(1), setup.waitForExit());
}

TEST_F(EntryTest, EscapeEndsTheWizardWithExitCode1) {
    WizardProcess setup;
    ASSERT_NE(nullptr, setup.waitForWizard());
    setup.pressEscape();
    EXPECT_EQ(ExitStatus::exited(1), setup.waitForExit());
}

TEST_F(EntryTest, TheCloseBoxEndsTheWizardWithExitCode1) {
    WizardProcess setup;
    ASSERT_NE(nullptr, setup.waitForWizard());
    EXPECT_TRUE(setup.closeBox());
    EXPECT_EQ(ExitStatus::exited(1), setup.waitForExit());
}

TEST_F(EntryTest, ACancelledRunLeavesTheRegistryAsItFoundIt) {
    ASSERT_EQ(ERROR_SUCCESS, addMenuEntry("他社の項目(&Z)", "http://example.invalid/other.html", 0x11));
    ASSERT_EQ(ERROR_SUCCESS, setSourceViewer("C:\\windows\\notepad.exe"));
    // The whole user hive, but of the machine's (ten thousand keys under Wine)
    // only the places the wizard knows.
    const RegistrySnapshot user = snapshot(HKEY_CURRENT_USER, "Software");
    const RegistrySnapshot browser = snapshot(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Internet Explorer");
    const RegistrySnapshot maker = snapshot(HKEY_LOCAL_MACHINE, kMakerPath);

    WizardProcess setup;
    ASSERT_NE(nullptr, setup.waitForWizard());
    setup.command(IDCANCEL);
    EXPECT_EQ(ExitStatus::exited(1), setup.waitForExit());

    EXPECT_EQ(std::vector<std::string>{}, differences(user, snapshot(HKEY_CURRENT_USER, "Software")));
    EXPECT_EQ(std::vector<std::string>{},
              differences(browser, snapshot(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Internet Explorer")));
    EXPECT_EQ(std::vector<std::string>{}, differences(maker, snapshot(HKEY_LOCAL_MACHINE, kMakerPath)));
}

TEST_F(EntryTest, ASecondStartEndsAtOnceAndBringsTheRunningWizardForward) {
    WizardProcess first;
    const HWND wizard = first.waitForWizard();
    ASSERT_NE(nullptr, wizard);
    DecoyWindow decoy;
    ASSERT_TRUE(decoy.inFront());

    WizardProcess second;
    EXPECT_EQ(ExitStatus::exited(1), second.waitForExit());
    // The system brings the other window forward on its own time.
    EXPECT_TRUE(waitUntil([&] { return GetForegroundWindow() == wizard; }));
    EXPECT_TRUE(first.running());
    EXPECT_TRUE(mutexExists());

    first.command(IDCANCEL);
    EXPECT_EQ(ExitStatus::exited(1), first.waitForExit());
}

TEST_F(EntryTest, TheMutexLivesAsLongAsTheWizardSoTheNextStartRuns) {
    {
        WizardProcess first;
        ASSERT_NE(nullptr, first.waitForWizard());
        EXPECT_TRUE(mutexExists());
        first.command(IDCANCEL);
        EXPECT_EQ(ExitStatus::exited(1), first.waitForExit());
    }
    EXPECT_FALSE(mutexExists());

    WizardProcess next;
    EXPECT_NE(nullptr, next.waitForWizard());
    next.command(IDCANCEL);
    EXPECT_EQ(ExitStatus::exited(1), next.waitForExit());
}

TEST_F(EntryTest, AnyHolderOfTheMutexNameKeepsTheWizardAway) {
    HANDLE mutex = CreateMutexA(nullptr, TRUE, kMutexName);
    ASSERT_NE(nullptr, mutex);
    WizardProcess setup;
    EXPECT_EQ(nullptr, setup.waitForWizard());
    EXPECT_EQ(ExitStatus::exited(1), setup.waitForExit());
    CloseHandle(mutex);
}

TEST_F(EntryTest, CommandLineArgumentsChangeNothing) {
    WizardProcess setup("/uninstall /q -s --help \"C:\\Program Files\\IE Kelvara\" アンインストール");
    ASSERT_NE(nullptr, setup.waitForWizard());
    EXPECT_EQ(nullptr, setup.waitForMessageBox(0).window);
    EXPECT_GE(setup.clientSize().cx, kMinClientWidth);
    EXPECT_GE(setup.clientSize().cy, kMinClientHeight);
    setup.command(IDCANCEL);
    EXPECT_EQ(ExitStatus::exited(1), setup.waitForExit());
}

TEST_F(EntryTest, Win32sGetsTheErrorBoxInsteadOfTheWizardAndExitCode1) {
    ASSERT_EQ(ERROR_SUCCESS, setWindowsVersion("win31"));  // platform id 0
    WizardProcess setup;
    const MessageBoxView box = setup.waitForMessageBox();
    ASSERT_NE(nullptr, box.window);
    EXPECT_EQ(std::string(kMessageCaption), box.caption);
    EXPECT_EQ(std::string(kPlatformRefusal), box.text);
    EXPECT_EQ(nullptr, box.owner);
    EXPECT_TRUE(box.hasIcon);
    EXPECT_EQ(std::vector<int>{IDOK}, box.buttons);
    EXPECT_EQ(nullptr, setup.waitForWizard(0));
    // The guard comes first, so the mutex is held while the refusal shows.
    EXPECT_TRUE(mutexExists());

    EXPECT_TRUE(setup.answer(box, IDOK));
    EXPECT_EQ(ExitStatus::exited(1), setup.waitForExit());
    EXPECT_FALSE(mutexExists());
}

TEST_F(EntryTest, ASecondStartWhileTheRefusalShowsBringsTheBoxForward) {
    ASSERT_EQ(ERROR_SUCCESS, setWindowsVersion("win31"));
    WizardProcess first;
    const MessageBoxView box = first.waitForMessageBox();
    ASSERT_NE(nullptr, box.window);
    DecoyWindow decoy;
    ASSERT_TRUE(decoy.inFront());

    WizardProcess second;
    EXPECT_EQ(ExitStatus::exited(1), second.waitForExit());
    EXPECT_TRUE(waitUntil([&] { return GetForegroundWindow() == box.window; }));

    EXPECT_TRUE(first.answer(box, IDOK));
    EXPECT_EQ(ExitStatus::exited(1), first.waitForExit());
}

TEST_F(EntryTest, TheWindowsFamilyGetsTheWizardToo) {
    ASSERT_EQ(ERROR_SUCCESS, setWindowsVersion("win98"));  // platform id 1
    WizardProcess setup;
    ASSERT_NE(nullptr, setup.waitForWizard());
    setup.command(IDCANCEL);
    EXPECT_EQ(ExitStatus::exited(1), setup.waitForExit());
}

}  // namespace
