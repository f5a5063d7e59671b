// Commits that fail half-way in ways RobustnessTest cannot bring about, or
// too seldom: a machine key the user may not delete, one of the user's keys
// that refuses writes in the middle of a feature's entries, and a feature's
// later entry gone when the feature is removed.
#include <windows.h>
#include <sddl.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "tests/e2e/WizardTest.h"
#include "tests/support/RegistrySandbox.h"

using namespace e2e;

namespace {

const MenuEntryFact kCrumbViewer = {"このページの Cookie 情報を確認する(&C)", "crumbviewer.html", 0x01};
const MenuEntryFact kOmniQuery = {"様々なサイトで一気に調べる(&M)", "omniquery.html", 0x31};
const MenuEntryFact kPolyglotRelayKorean = {"このページを翻訳する（韓 -> 日）(&K)", "polyglotrelay.html?SrcLang=Kr", 0x01};
// Four of the dictionary feature's five entries: the third is gone.
const char* const kLexiconPlusFound[] = {"gooの各種辞典で調べる(&D)", "gooの英和辞典で調べる(&E)",
                                         "gooの国語辞典で調べる(&K)", "gooの新語辞典で調べる(&N)"};
const char kPolyglotRelayLink[] = "リンク先を翻訳する（英 -> 日）(&T)";
const std::string kEditorName = std::string(kSourceViewerPath) + "\\Editor Name";

void ok(LONG status) { EXPECT_EQ(ERROR_SUCCESS, status); }

void install(const MenuEntryFact& entry) {
    ok(addMenuEntry(entry.caption, std::string(kScriptBase) + entry.script, entry.contexts));
}

// A key that belongs to the system and that everyone may only read, as the
// machine's keys are to a user without administrator rights. The right to
// change that is kept, so that the key can be handed back and cleaned away.
class ReadOnlyKey {
public:
    ReadOnlyKey(HKEY root, std::string path) : root(root), path(std::move(path)) {
        ok(apply("O:SYD:P(A;;0xE0019;;;WD)"));  // KEY_READ | WRITE_DAC | WRITE_OWNER
    }
    ~ReadOnlyKey() { apply("O:SYD:P(A;;KA;;;WD)"); }

private:
    LONG apply(const char* text) {
        PSECURITY_DESCRIPTOR descriptor = nullptr;
        if (!ConvertStringSecurityDescriptorToSecurityDescriptorA(text, SDDL_REVISION_1, &descriptor, nullptr))
            return static_cast<LONG>(GetLastError());
        HKEY key = nullptr;
        LONG status = RegOpenKeyExA(root, path.c_str(), 0, WRITE_DAC | WRITE_OWNER, &key);
        if (status == ERROR_SUCCESS) {
            status = RegSetKeySecurity(key, OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION, descriptor);
            RegCloseKey(key);
        }
        LocalFree(descriptor);
        return status;
    }

    HKEY root;
    std::string path;
};

// The user's whole software key (but for the settings Wine fills in there as
// windows are used), and the browser's machine keys.
struct RegistryView {
    RegistrySnapshot user = snapshot(HKEY_CURRENT_USER, "Software");
    RegistrySnapshot browser = snapshot(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Internet Explorer");

    RegistryView() {
        for (auto key = user.begin(); key != user.end();)
            key = key->first.rfind("Wine", 0) == 0 ? user.erase(key) : std::next(key);
    }
};

std::vector<std::string> changes(const RegistryView& before, const RegistryView& after) {
    std::vector<std::string> lines;
    for (const std::string& line : differences(before.user, after.user)) lines.push_back("user " + line);
    for (const std::string& line : differences(before.browser, after.browser)) lines.push_back("machine " + line);
    std::sort(lines.begin(), lines.end());
    return lines;
}

const std::string kMenuKey = "Microsoft\\Internet Explorer\\MenuExt\\";  // below the user's software key

// One check box the user changes, after choosing its category in the list.
// With neither courier installed the list reads: information, resources,
// security, other.
struct Toggle {
    int listIndex;
    int checkBoxId;
};

// A commit that meets a key it cannot change: the wizard says so, keeps what
// it did before and attempts nothing after.
struct FailureCase {
    const char* name;
    void (*prepare)();
    HKEY lockedRoot;  // the key made read-only after the preparation, if any
    std::string lockedPath;
    std::vector<Toggle> toggles;
    const char* message;
    std::vector<MenuEntryFact> written;  // before the failure
    std::vector<std::string> removed;    // captions, before the failure
};

void PrintTo(const FailureCase& c, std::ostream* out) { *out << c.name; }

const FailureCase kFailures[] = {
    {"EntryGoneMidFeature",
     [] {
         for (const char* caption : kLexiconPlusFound) ok(addMenuEntry(caption, "http://example.invalid/d.html", 0x30));
         install(kHereOpenerEntry);
     },
     nullptr, "", {{0, 1009}, {0, 1025}, {0, 1017}, {1, 1015}}, kUnsetFailed, {kPictureGathererEntry},
     {kLexiconPlusFound[0], kLexiconPlusFound[1]}},
    {"SourceViewerKeyMayNotBeDeleted",
     [] {
         ok(reg::createKey(HKEY_CURRENT_USER, kMenuExtPath));  // there already, as with any browser
         ok(setSourceViewer("C:\\windows\\notepad.exe"));
     },
     HKEY_LOCAL_MACHINE, kEditorName, {{0, 1009}, {3, 1027}}, kUnsetFailed, {kPictureGathererEntry}},
    // The Cookie viewer's removal would come after the failure.
    {"EntryKeyRefusesWritesMidFeature",
     [] {
         ok(addMenuEntry(kPolyglotRelayLink, "http://example.invalid/old.html", 0x22));
         install(kCrumbViewer);
     },
     HKEY_CURRENT_USER, menuEntryPath(kPolyglotRelayLink), {{0, 1038}, {0, 1050}, {2, 1048}}, kSetFailed,
     {kOmniQuery, kPolyglotRelayEntry, kPolyglotRelayKorean}},
};

class CommitFailureTest : public WizardTest, public ::testing::WithParamInterface<FailureCase> {};

void toggle(WizardProcess& setup, const Toggle& change) {
    ASSERT_TRUE(setup.chooseComboEntry(id::kCategoryCombo, change.listIndex));
    // The list shows four rows at a time; the other four are a page down.
    if (setup.click(change.checkBoxId)) return;
    ASSERT_TRUE(setup.scroll(id::kPanelScrollBar, SB_PAGEDOWN));
    ASSERT_TRUE(setup.click(change.checkBoxId));
}

TEST_P(CommitFailureTest, StopsAtTheFailureAndKeepsWhatWentBefore) {
    const FailureCase& c = GetParam();
    c.prepare();
    std::optional<ReadOnlyKey> lock;
    if (c.lockedRoot != nullptr) lock.emplace(c.lockedRoot, c.lockedPath);
    const RegistryView before;

    WizardProcess setup;
    ASSERT_NE(nullptr, setup.waitForWizard());
    ASSERT_TRUE(setup.click(id::kNext));
    for (const Toggle& change : c.toggles) ASSERT_NO_FATAL_FAILURE(toggle(setup, change));
    ASSERT_TRUE(setup.click(id::kNext));
    ASSERT_NO_FATAL_FAILURE(answerBox(setup, c.message));

    RegistryView failed;
    std::vector<std::string> expected;
    for (const MenuEntryFact& entry : c.written) {
        expected.push_back("user key added: " + kMenuKey + entry.caption);
        EXPECT_EQ(entryValues(entry), failed.user[kMenuKey + entry.caption]) << entry.caption;
    }
    for (const std::string& caption : c.removed) expected.push_back("user key removed: " + kMenuKey + caption);
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(expected, changes(before, failed));
    EXPECT_TRUE(setup.click(id::kCancel));
    EXPECT_EQ(ExitStatus::exited(1), setup.waitForExit());
}

INSTANTIATE_TEST_SUITE_P(, CommitFailureTest, ::testing::ValuesIn(kFailures),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
