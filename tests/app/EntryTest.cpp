// The program's entry, called in this process: the platforms it refuses, with
// the style Wine's boxes do not show. The real program's refusal and second
// start are in tests/e2e.
#include <gtest/gtest.h>

#include <tuple>

#include "tests/support/WizardHost.h"

// The entry asks this test program which platform it runs on.
static DWORD platformId = VER_PLATFORM_WIN32s;
DWORD currentPlatformId() { return platformId; }

TEST(EntryTest, OtherPlatformsGetTheErrorAndNoWizard) {
    for (const DWORD id : {DWORD{VER_PLATFORM_WIN32s}, DWORD{3}}) {
        platformId = id;
        CallRecorder calls;
        const HANDLE firstFree = nextFreeHandle();
        EXPECT_EQ(1, WinMain(GetModuleHandleA(nullptr), nullptr, const_cast<char*>(""), SW_SHOWNORMAL));
        EXPECT_EQ(firstFree, nextFreeHandle()) << "a handle was left open";
        ASSERT_EQ(1u, calls.boxes.size());
        const RecordedBox& box = calls.boxes[0];
        EXPECT_EQ(std::make_tuple(HWND{}, std::string(expected::kPlatformRefusal), std::string(expected::kCaption), expected::kError),
                  std::make_tuple(box.owner, box.text, box.caption, box.type));
        EXPECT_EQ(nullptr, OpenMutexA(SYNCHRONIZE, FALSE, "IE_Kelvara")) << "the mutex outlived the entry";
    }
}
