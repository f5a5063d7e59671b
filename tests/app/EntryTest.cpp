// The program's entry, called in this process: the platforms it refuses and
// the copy it will not start twice. The real program's second start and
// refusal are in tests/e2e.
#include <gtest/gtest.h>

#include "app/Platform.h"
#include "tests/support/Expected.h"
#include "tests/support/WizardHost.h"

// The entry asks this test program which platform it runs on.
static DWORD platformId = VER_PLATFORM_WIN32s;
DWORD currentPlatformId() { return platformId; }

namespace {

int runEntry() { return WinMain(GetModuleHandleA(nullptr), nullptr, const_cast<char*>(""), SW_SHOWNORMAL); }

bool mutexExists() {
    HANDLE mutex = OpenMutexA(SYNCHRONIZE, FALSE, "IE_Kelvara");
    return mutex != nullptr && CloseHandle(mutex);
}

TEST(EntryTest, OtherPlatformsGetTheErrorAndNoWizard) {
    for (const DWORD id : {DWORD{VER_PLATFORM_WIN32s}, DWORD{3}}) {
        platformId = id;
        CallRecorder calls;
        const HKEY firstFree = nextRegistryHandle();
        EXPECT_EQ(1, runEntry());
        ASSERT_EQ(1u, calls.boxes.size());
        EXPECT_EQ(nullptr, calls.boxes[0].owner);
        EXPECT_EQ(expected::kPlatformRefusal, calls.boxes[0].text);
        EXPECT_EQ(expected::kCaption, calls.boxes[0].caption);
        EXPECT_EQ(expected::kError, calls.boxes[0].type);
        EXPECT_FALSE(mutexExists());
        EXPECT_EQ(firstFree, nextRegistryHandle()) << "a handle was left open";
    }
}

TEST(EntryTest, ASecondCopyEndsAtOnceWithoutAWord) {
    platformId = VER_PLATFORM_WIN32_NT;
    HANDLE first = CreateMutexA(nullptr, TRUE, "IE_Kelvara");
    CallRecorder calls;
    const HKEY firstFree = nextRegistryHandle();
    EXPECT_EQ(1, runEntry());
    EXPECT_TRUE(calls.boxes.empty());
    EXPECT_EQ(firstFree, nextRegistryHandle()) << "a handle was left open";
    CloseHandle(first);
}

}  // namespace
