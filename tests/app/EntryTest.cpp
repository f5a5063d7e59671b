// The program's entry, called in this process: on the two platforms it runs
// on, the wizard as a modal dialog, deleted with its controls once it has
// ended; on the others the refusal, with the style Wine's boxes do not show;
// its first step, after which a library beside the program no longer loads
// by name; a second start while the first runs; and a code page other than
// 932, refused before anything is read or written.
#include <gtest/gtest.h>

#include <cstdlib>

#include "app/WizardTexts.h"
#include "catalog/FeatureCatalog.h"
#include "registry/RegistryLocations.h"
#include "tests/support/GivenBack.h"

// The entry asks this test program which platform it runs on.
static DWORD platformId = VER_PLATFORM_WIN32s;
DWORD currentPlatformId() { return platformId; }

namespace {

std::vector<HGDIOBJ> fonts;  // the controls' fonts of the wizard that came up

// Cancels the wizard once it has come up: this thread's dialog, whose title
// the system converts with the code page the test runs under.
void CALLBACK cancelWizard(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND wizard = FindWindowExA(nullptr, nullptr, "#32770", nullptr);
    while (wizard != nullptr && GetWindowThreadProcessId(wizard, nullptr) != GetCurrentThreadId())
        wizard = FindWindowExA(nullptr, wizard, "#32770", nullptr);
    if (wizard == nullptr) return;
    KillTimer(nullptr, timer);
    fonts = controlFonts(wizard);
    PostMessageA(wizard, WM_COMMAND, IDCANCEL, 0);
}

// Runs the entry; a wizard it shows is cancelled.
int runEntry() {
    const UINT_PTR timer = SetTimer(nullptr, 0, 10, cancelWizard);
    const int result = WinMain(GetModuleHandleA(nullptr), nullptr, const_cast<char*>(""), SW_SHOWNORMAL);
    KillTimer(nullptr, timer);
    return result;
}

}  // namespace

// The named mutex would be seen by a test beside this one in the program, so
// the second start is tried in the same test, after the others.
TEST(EntryTest, EveryPlatformThenASecondStart) {
    RegistrySandbox registry;
    for (const DWORD id : {0, 1, 2, 3}) {
        SCOPED_TRACE("platform " + std::to_string(id));
        platformId = id;
        fonts.clear();
        CallRecorder calls;
        const HANDLE firstFree = nextFreeHandle();
        EXPECT_EQ(1, runEntry());
        expectGivenBack(fonts, firstFree);
        EXPECT_EQ(nullptr, OpenMutexA(SYNCHRONIZE, FALSE, "IE_Kelvara")) << "the mutex outlived the entry";
        const bool runs = id == VER_PLATFORM_WIN32_WINDOWS || id == VER_PLATFORM_WIN32_NT;
        EXPECT_EQ(runs ? std::vector<INT_PTR>{IDCANCEL} : std::vector<INT_PTR>{}, calls.endings);
        EXPECT_EQ(std::vector<std::string>(runs ? 0 : 1, expected::kPlatformRefusal), calls.boxes);
        EXPECT_EQ(runs, !fonts.empty());
    }
    // Only the newer call can leave the program's own folder out; without it
    // (Windows XP as it shipped) the library still loads.
    ASSERT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA("beside.dll")) << "run from the test program's folder";
    const bool systemOnly = GetProcAddress(GetModuleHandleA("kernel32.dll"), "SetDefaultDllDirectories") != nullptr;
    EXPECT_EQ(systemOnly, LoadLibraryA("beside.dll") == nullptr) << "library loads by name after the entry";
    // A second start ends at once, bringing forward the first's message box,
    // or else its wizard, and shows nothing itself.
    const HANDLE first = CreateMutexA(nullptr, TRUE, "IE_Kelvara");
    CallRecorder calls;
    for (const char* title : {expected::kCaption, driver::kWizardTitle}) {
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

// The captions reach the registry through the system's code page, so under
// any but 932 the entry refuses before the start-up moves and changes nothing
// (compared as read back: under 65001 the names are mangled on the way in).
// ctest runs this under three locales, each naming the code page it gives.
TEST(EntryTest, CodePageOtherThan932ChangesNothing) {
    if (const char* played = std::getenv("KELVARA_CODEPAGE")) ASSERT_EQ(played, std::to_string(GetACP()));
    RegistrySandbox registry;
    const LegacyCaption& older = FeatureCatalog::row(FeatureRow::PictureGatherer).legacyCaptions[0];
    const std::string olderKey = reg::menuKey(older.oldCaption);
    reg::set(HKEY_CURRENT_USER, olderKey, "", reg::text(kScriptBaseAddress + std::string(older.entry->script)));
    reg::set(HKEY_CURRENT_USER, olderKey, kContextsValueName, reg::byte(older.entry->contexts));
    reg::Tree before = reg::read(HKEY_CURRENT_USER), moved = before;
    moved[reg::menuKey(older.entry->caption)] = moved[olderKey];
    moved.erase(olderKey);
    platformId = VER_PLATFORM_WIN32_NT;
    CallRecorder calls;
    EXPECT_EQ(1, runEntry());
    const bool runs = GetACP() == 932;
    EXPECT_EQ(std::vector<std::string>(runs ? 0 : 1, kCodePageRefusal), calls.boxes);
    EXPECT_EQ(runs, !calls.endings.empty());
    EXPECT_EQ(runs ? moved : before, reg::read(HKEY_CURRENT_USER));
}
