// The real setup.exe as a process of its own: one copy at a time, every way
// out, and what the system's version changes. It runs on this prefix's own
// registry, emptied of the wizard's keys around each test.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "tests/support/Expected.h"

namespace {

using namespace expected;

constexpr char kVersionKey[] = "Software\\Wine\\AppDefaults\\setup.exe";

bool waitFor(const std::function<bool()>& condition) {
    for (int tries = 0; tries < 500; ++tries, Sleep(10))
        if (condition()) return true;
    return false;
}

// One run of the program beside this one, ended when the object goes.
class Program {
public:
    Program() {
        char path[MAX_PATH];
        GetModuleFileNameA(nullptr, path, MAX_PATH);
        const std::string program = std::string(path, std::strrchr(path, '\\') + 1) + "setup.exe";
        STARTUPINFOA startup = {sizeof startup};
        PROCESS_INFORMATION info = {};
        EXPECT_TRUE(CreateProcessA(program.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info));
        CloseHandle(info.hThread);
        process = info.hProcess, id = info.dwProcessId;
    }
    ~Program() { TerminateProcess(process, 99), CloseHandle(process); }

    // Its shown dialog of this title: the wizard or one of its boxes.
    HWND find(const char* title) const {
        HWND window = nullptr;
        waitFor([&] {
            for (window = nullptr; (window = FindWindowExA(nullptr, window, "#32770", title)) != nullptr;) {
                DWORD owner = 0;
                GetWindowThreadProcessId(window, &owner);
                if (owner == id && IsWindowVisible(window)) return true;
            }
            return WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
        });
        return window;
    }
    std::string boxText() const {
        char text[512] = {};
        GetDlgItemTextA(find(kCaption), 0xFFFF, text, sizeof text);
        return text;
    }
    // Returns once the wizard has handled the input, or shows a box for it.
    void post(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        HWND wizard = find(kWizardTitle);
        PostMessageA(id != 0 ? GetDlgItem(wizard, id) : wizard, message, wParam, lParam);
        SendMessageTimeoutA(wizard, WM_NULL, 0, 0, SMTO_NORMAL, 5000, nullptr);
    }
    void click(int id) const { post(id, BM_CLICK); }
    void choose(int index) const {
        SendMessageA(GetDlgItem(find(kWizardTitle), 1008), CB_SETCURSEL, index, 0);
        post(0, WM_COMMAND, MAKEWPARAM(1008, CBN_SELCHANGE), reinterpret_cast<LPARAM>(GetDlgItem(find(kWizardTitle), 1008)));
    }
    void answer() const { PostMessageA(GetDlgItem(find(kCaption), IDOK), BM_CLICK, 0, 0); }
    DWORD exitCode() const {
        DWORD code = 0;
        if (WaitForSingleObject(process, 5000) == WAIT_OBJECT_0) GetExitCodeProcess(process, &code);
        return code;
    }

private:
    HANDLE process = nullptr;
    DWORD id = 0;
};

class ProcessTest : public ::testing::Test {
protected:
    void SetUp() override { TearDown(); }
    void TearDown() override {
        RegDeleteTreeA(HKEY_CURRENT_USER, reg::kMenuExt);
        RegDeleteTreeA(HKEY_CURRENT_USER, kVersionKey);
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, reg::kViewSource);
    }
};

// The second copy ends at once and brings forward what the first is showing.
TEST_F(ProcessTest, ASecondStartBringsTheFirstForward) {
    Program first;
    const HWND wizard = first.find(kWizardTitle);
    ASSERT_NE(nullptr, wizard);
    first.click(1);
    first.click(1);  // nothing ticked, nothing to change
    ASSERT_EQ(kNothingChanged, first.boxText());
    for (const bool boxShowing : {true, false}) {
        const HWND front = boxShowing ? first.find(kCaption) : wizard;
        HWND decoy = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 9, 9, nullptr, nullptr, nullptr, nullptr);
        SetForegroundWindow(decoy);
        EXPECT_EQ(1u, Program().exitCode());
        EXPECT_TRUE(waitFor([&] { return GetForegroundWindow() == front; }));
        DestroyWindow(decoy);
        if (boxShowing) first.answer();
    }
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(wizard, 1008)));
    first.click(2);
    EXPECT_EQ(1u, first.exitCode());
}

// Cancel, Escape, the close box, and Next once finished.
TEST_F(ProcessTest, EveryWayOutEndsWithExitCode1) {
    const std::function<void(const Program&)> ways[] = {
        [](const Program& setup) { setup.click(2); },
        [](const Program& setup) { setup.post(1, WM_KEYDOWN, VK_ESCAPE); },
        [](const Program& setup) { setup.post(0, WM_SYSCOMMAND, SC_CLOSE); },
        [](const Program& setup) { setup.click(1), setup.click(1009), setup.click(1), setup.answer(), setup.click(1); }};
    for (const auto& way : ways) {
        Program setup;
        ASSERT_NE(nullptr, setup.find(kWizardTitle));
        way(setup);
        EXPECT_EQ(1u, setup.exitCode());
    }
}

TEST_F(ProcessTest, Win32sGetsTheRefusalAndNoWizard) {
    reg::set(HKEY_CURRENT_USER, kVersionKey, "Version", reg::text("win31"));
    Program setup;
    ASSERT_EQ(kPlatformRefusal, setup.boxText());
    EXPECT_EQ(nullptr, GetWindow(setup.find(kCaption), GW_OWNER));
    EXPECT_EQ(nullptr, FindWindowA("#32770", kWizardTitle));
    setup.answer();
    EXPECT_EQ(1u, setup.exitCode());
}

// On the 95 family the system would take the subkeys along; the wizard
// refuses there as on the other family, and says so.
TEST_F(ProcessTest, On95KeysWithSubkeysStay) {
    reg::set(HKEY_CURRENT_USER, kVersionKey, "Version", reg::text("win98"));
    write(feature(1048).entries[0]);
    reg::set(HKEY_CURRENT_USER, reg::menuKey(feature(1048).entries[0].caption) + "\\Child", "", reg::text("theirs"));
    reg::set(HKEY_LOCAL_MACHINE, reg::kEditorName, "", reg::text("C:\\windows\\notepad.exe"));
    reg::set(HKEY_LOCAL_MACHINE, std::string(reg::kViewSource) + "\\Other Editor", "", reg::text("theirs"));
    const reg::Tree user = reg::read(HKEY_CURRENT_USER, reg::kMenuExt);
    reg::Tree machine = reg::read(HKEY_LOCAL_MACHINE, reg::kViewSource);
    machine.erase("Editor Name");
    for (const int category : {2, 3}) {
        Program setup;
        setup.click(1);
        setup.choose(category);
        setup.click(category == 2 ? 1048 : kMarkup);
        setup.click(1);
        EXPECT_EQ(kUnsetFailed, setup.boxText());
    }
    EXPECT_EQ(user, reg::read(HKEY_CURRENT_USER, reg::kMenuExt));
    EXPECT_EQ(machine, reg::read(HKEY_LOCAL_MACHINE, reg::kViewSource));
}

}  // namespace
