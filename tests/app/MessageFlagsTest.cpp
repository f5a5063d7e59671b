// The style of each message box: the icon, one OK button and MB_TOPMOST, which
// Wine does not show in the box window. The whole-program tests read texts and
// captions; here a text's start only tells which box came. Besides, the
// platforms the entry accepts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/Platform.h"
#include "tests/support/WizardHost.h"

// This test program tells the entry that it runs on Win32s, which the entry
// refuses with its one error.
DWORD currentPlatformId() { return VER_PLATFORM_WIN32s; }

namespace {

constexpr UINT kError = MB_OK | MB_ICONERROR | MB_TOPMOST;
constexpr UINT kWarning = MB_OK | MB_ICONWARNING | MB_TOPMOST;
constexpr UINT kNotice = MB_OK | MB_ICONINFORMATION | MB_TOPMOST;

bool startsWith(const std::string& text, const char* start) { return text.rfind(start, 0) == 0; }

// What the user does: Next to the features page, then the clicks, where 1 is
// Finish; a click reaches a check box of any category. One case for each
// place in the program that shows a box.
struct MessageCase {
    const char* name;
    void (*prepare)();
    std::vector<int> clicks;
    const char* textStart;
    UINT type;
};

void PrintTo(const MessageCase& c, std::ostream* out) { *out << c.name; }

const MessageCase kMessages[] = {
    // Unticking says nothing; ticking again is refused.
    {"Refused", [] { menu::setEditor("C:\\editor.exe"); }, {1027, 1027}, "　Markup Reader Swap は", kNotice},
    {"EditorNotFound", [] { menu::setEditor("C:\\no-such-folder\\editor.exe"); }, {1}, "指定されたアプリ", kWarning},
    {"NothingChanged", [] {}, {1}, "セットアップ内容が元と同じ", kWarning},
    {"SetupComplete", [] {}, {1009, 1}, "　セットアップが完了", kNotice},
    // The failure report, here from moving an older caption at start: below a
    // volatile key no lasting key can be made.
    {"MoveFailed",
     [] {
         reg::createVolatileKey(HKEY_CURRENT_USER, "Software\\Microsoft\\Internet Explorer\\MenuExt");
         reg::createVolatileKey(HKEY_CURRENT_USER, menu::keyOf("リンク先の画像をまとめて表示(&G)"));
     },
     {}, "設定に失敗", kWarning},
};

class MessageFlagsTest : public ::testing::TestWithParam<MessageCase> {};

TEST_P(MessageFlagsTest, OneBoxOwnedByTheWizardWithItsStyle) {
    const MessageCase& c = GetParam();
    WizardHost host;
    c.prepare();
    host.open();
    host.click(1);
    for (int id : c.clicks) host.click(id);
    ASSERT_EQ(1u, host.messageBoxes.boxes.size());
    const RecordedMessageBox& box = host.messageBoxes.boxes[0];
    EXPECT_EQ(host.dialog(), box.owner);
    EXPECT_TRUE(startsWith(box.text, c.textStart)) << box.text;
    EXPECT_EQ(c.type, box.type);
}

INSTANTIATE_TEST_SUITE_P(, MessageFlagsTest, ::testing::ValuesIn(kMessages),
                         [](const auto& info) { return std::string(info.param.name); });

// The guard against a second copy, and the refusal's text, caption and
// missing owner, are proven through the real program in
// tests/e2e/EntryTest.cpp, which has Wine report platform id 0.
TEST(PlatformTest, OnlyTheTwo32BitFamiliesAreSupported) {
    EXPECT_FALSE(isSupportedPlatform(VER_PLATFORM_WIN32s));
    EXPECT_TRUE(isSupportedPlatform(VER_PLATFORM_WIN32_WINDOWS));
    EXPECT_TRUE(isSupportedPlatform(VER_PLATFORM_WIN32_NT));
    EXPECT_FALSE(isSupportedPlatform(3));
}

TEST(EntryMessageTest, ARefusedPlatformGetsTheErrorStyle) {
    MessageBoxRecorder recorder;
    EXPECT_EQ(1, WinMain(GetModuleHandleA(nullptr), nullptr, const_cast<char*>(""), SW_SHOWNORMAL));
    ASSERT_EQ(1u, recorder.boxes.size());
    EXPECT_TRUE(startsWith(recorder.boxes[0].text, "「IE Kelvara」は 32ビット")) << recorder.boxes[0].text;
    EXPECT_EQ(kError, recorder.boxes[0].type);
}

}  // namespace
