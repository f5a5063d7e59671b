// The program's entry, called in this process: on the two platforms it runs
// on, the wizard as a modal dialog, deleted with its controls once it has
// ended; on the others the refusal, with the style Wine's boxes do not show;
// its first step, after which a library beside the program no longer loads
// by name; a code page other than 932, refused before anything is read or
// written; and a second start while the first runs.
#include <gtest/gtest.h>

#include <cstdlib>

#include "app/InstanceGuard.h"
#include "app/WizardTexts.h"
#include "catalog/FeatureCatalog.h"
#include "registry/RegistryLocations.h"
#include "resources/ProductNames.h"
#include "tests/support/WizardHost.h"

// The entry asks this test program which platform it runs on.
static DWORD platformId = VER_PLATFORM_WIN32s;
DWORD currentPlatformId() { return platformId; }

namespace {

std::vector<HGDIOBJ> fonts;  // the controls' fonts of the wizard that came up
int finishing = 0;           // the check box to click before finishing, or 0 to cancel

// Cancels the wizard once it has come up, or finishes it with one box
// clicked on the features page, the completion box answered and Close
// pressed: this thread's dialog, whose title the system converts with the
// code page the test runs under.
void CALLBACK endWizard(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND wizard = FindWindowExA(nullptr, nullptr, "#32770", nullptr);
    while (wizard != nullptr && GetWindowThreadProcessId(wizard, nullptr) != GetCurrentThreadId())
        wizard = FindWindowExA(nullptr, wizard, "#32770", nullptr);
    if (wizard == nullptr) return;
    KillTimer(nullptr, timer);
    fonts = controlFonts(wizard);
    if (finishing == 0) PostMessageA(wizard, WM_COMMAND, IDCANCEL, 0);
    else for (int id : {kNextButtonId, finishing, kNextButtonId, kNextButtonId}) SendMessageA(GetDlgItem(wizard, id), BM_CLICK, 0, 0);
}

// Runs the entry; a wizard it shows is cancelled or finished. Each run gives
// back every handle it opened and the fonts of the wizard it showed.
int runEntry() {
    const DWORD_PTR handles = handleMark();
    const UINT_PTR timer = SetTimer(nullptr, 0, 10, endWizard);
    const int result = WinMain(GetModuleHandleA(nullptr), nullptr, const_cast<char*>(""), SW_SHOWNORMAL);
    KillTimer(nullptr, timer);
    expectGivenBack(fonts, handles);
    return result;
}

}  // namespace

// The named mutex would be seen by a test beside this one in the program, so
// the second start is tried in the same test, after the others. ctest runs it
// under three locales, each naming the code page it gives: the captions reach
// the registry through it, so under any but 932 the entry refuses before the
// start-up moves and changes nothing (compared as read back: under 65001 the
// names are mangled on the way in).
TEST(EntryTest, EveryPlatformAndCodePageThenASecondStart) {
    if (const char* played = std::getenv("KELVARA_CODEPAGE")) ASSERT_EQ(played, std::to_string(GetACP()));
    RegistrySandbox registry;
    const FeatureEntry& moved = FeatureCatalog::row(FeatureRow::PictureGatherer);
    const LegacyCaption& older = moved.legacyCaptions[0];
    for (const DWORD id : {0, 1, 2, 3}) {
        SCOPED_TRACE("platform " + std::to_string(id));
        platformId = id;
        const bool platform = id == VER_PLATFORM_WIN32_WINDOWS || id == VER_PLATFORM_WIN32_NT;
        const bool runs = platform && GetACP() == 932;
        // On the NT family the user removes the feature just moved, and closes.
        finishing = runs && id == VER_PLATFORM_WIN32_NT ? moved.checkBoxId : 0;
        fonts.clear();
        CallRecorder calls;
        reg::set(HKEY_CURRENT_USER, reg::menuKey(older.oldCaption), kContextsValueName, reg::byte(0x01));
        const reg::Tree before = reg::read(HKEY_CURRENT_USER);
        EXPECT_EQ(1, runEntry());
        EXPECT_EQ(nullptr, OpenMutexA(SYNCHRONIZE, FALSE, kMutexName)) << "the mutex outlived the entry";
        EXPECT_EQ(runs ? std::vector<INT_PTR>{finishing ? 1 : IDCANCEL} : std::vector<INT_PTR>{}, calls.endings);
        const char* refusal = !platform ? kPlatformRefusal : id == VER_PLATFORM_WIN32_WINDOWS ? kEditionRefusal
                              : GetACP() == CP_UTF8 ? kUtf8Refusal : kCodePageRefusal;
        EXPECT_EQ(runs ? std::vector<std::string>(finishing ? 1 : 0, kSetupComplete) : std::vector<std::string>{refusal}, calls.boxes);
        EXPECT_EQ(runs, !fonts.empty());
        // The wizard moved the older entry, which the next run finds again.
        const reg::Tree after = reg::read(HKEY_CURRENT_USER);
        if (!runs) EXPECT_EQ(before, after);
        else EXPECT_EQ(0u, after.count(reg::menuKey(older.oldCaption)));
        if (finishing) EXPECT_EQ(0u, after.count(reg::menuKey(older.entry->caption))) << "the feature removed stayed";
        RegDeleteKeyA(HKEY_CURRENT_USER, reg::menuKey(older.entry->caption).c_str());
    }
    // Only the newer call can leave the program's own folder out; without it
    // (Windows XP as it shipped) the library still loads.
    ASSERT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA("beside.dll")) << "run from the test program's folder";
    const bool systemOnly = GetProcAddress(GetModuleHandleA("kernel32.dll"), "SetDefaultDllDirectories") != nullptr;
    EXPECT_EQ(systemOnly, LoadLibraryA("beside.dll") == nullptr) << "library loads by name after the entry";
    // A second start ends at once, bringing forward the first's message box,
    // or else its wizard, and shows nothing itself.
    const HANDLE first = CreateMutexA(nullptr, TRUE, kMutexName);
    CallRecorder calls;
    for (const char* title : {KELVARA_MESSAGE_CAPTION, driver::kWizardTitle}) {
        const HWND front = CreateWindowExA(0, "STATIC", title, WS_POPUP | WS_VISIBLE, 0, 0, 9, 9, 0, 0, 0, 0);
        const HWND other = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 9, 9, 0, 0, 0, 0);
        SetForegroundWindow(other);
        EXPECT_EQ(1, runEntry());
        EXPECT_EQ(front, GetForegroundWindow()) << title;
        DestroyWindow(other);
        DestroyWindow(front);
    }
    EXPECT_TRUE(calls.boxes.empty() && calls.endings.empty());
    CloseHandle(first);
}
