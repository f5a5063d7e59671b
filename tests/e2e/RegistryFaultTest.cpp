// The wizard against registries as users' machines hold them: left over,
// shared with other software, damaged, or refusing a change.
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

constexpr char kForeignEntry[] = "他社の項目(&Z)";

const MenuEntryFact kFormSentinel = {"送信データを確認する(&P)", "formsentinel.html", 0x04};
const MenuEntryFact kCrumbViewer = {"このページの Cookie 情報を確認する(&C)", "crumbviewer.html", 0x01};
const MenuEntryFact kOmniQuery = {"様々なサイトで一気に調べる(&M)", "omniquery.html", 0x31};
const MenuEntryFact kPolyglotRelayKorean = {"このページを翻訳する（韓 -> 日）(&K)", "polyglotrelay.html?SrcLang=Kr", 0x01};
const char kPolyglotRelayLink[] = "リンク先を翻訳する（英 -> 日）(&T)";
const std::string kEditorName = std::string(kSourceViewerPath) + "\\Editor Name";

void ok(LONG status) { EXPECT_EQ(ERROR_SUCCESS, status); }

void install(const MenuEntryFact& entry) {
    ok(addMenuEntry(entry.caption, std::string(kScriptBase) + entry.script, entry.contexts));
}

// Another program's entry, with a subkey of its own; volatile, a kind of key
// the wizard never makes.
void addForeignEntry() {
    ok(reg::createKey(HKEY_CURRENT_USER, kMenuExtPath));  // a volatile child would make it volatile too
    ok(reg::createVolatileKey(HKEY_CURRENT_USER, menuEntryPath(kForeignEntry)));
    ok(addMenuEntry(kForeignEntry, "http://example.invalid/other.html", 0x11));
    ok(reg::createVolatileKey(HKEY_CURRENT_USER, menuEntryPath(kForeignEntry) + "\\設定"));
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

// Every place the wizard could reach: the user's whole software key (but for
// the settings Wine fills in there as windows are used), and the machine's
// keys of the browser and of the maker.
struct RegistryView {
    RegistrySnapshot user = snapshot(HKEY_CURRENT_USER, "Software");
    RegistrySnapshot browser = snapshot(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Internet Explorer");
    RegistrySnapshot maker = snapshot(HKEY_LOCAL_MACHINE, kMakerPath);

    RegistryView() {
        for (auto key = user.begin(); key != user.end();)
            key = key->first.rfind("Wine", 0) == 0 ? user.erase(key) : std::next(key);
    }
};

std::vector<std::string> changes(const RegistryView& before, const RegistryView& after) {
    std::vector<std::string> lines;
    for (const std::string& line : differences(before.user, after.user)) lines.push_back("user " + line);
    for (const std::string& line : differences(before.browser, after.browser)) lines.push_back("machine " + line);
    for (const std::string& line : differences(before.maker, after.maker)) lines.push_back("maker " + line);
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

// A commit that meets a registry it cannot change: the wizard says so, keeps
// what it wrote before, attempts nothing after, and leaves only Cancel.
struct FailureCase {
    const char* name;
    void (*prepare)();
    std::vector<Toggle> toggles;
    const char* message;
    std::vector<MenuEntryFact> written;  // before the failure
    std::vector<std::string> removed;    // captions, before the failure
    HKEY lockedRoot = nullptr;           // the key made read-only after the preparation
    std::string lockedPath;
};

void PrintTo(const FailureCase& c, std::ostream* out) { *out << c.name; }

const FailureCase kFailures[] = {
    {"LexiconPlusEntryAlreadyGone",
     [] {
         for (int i : {0, 1, 3, 4}) install(kPortalLexiconPlusEntries[i]);
         install(kHereOpenerEntry);
     },
     {{0, 1009}, {0, 1025}, {0, 1017}, {1, 1015}}, kUnsetFailed,
     {kPictureGathererEntry}, {kPortalLexiconPlusEntries[0].caption, kPortalLexiconPlusEntries[1].caption}},
    {"EntryHoldingASubkey",
     [] {
         install(kPictureGathererEntry);
         ok(reg::setString(HKEY_CURRENT_USER, menuEntryPath(kPictureGathererEntry.caption), "note", "他社の値"));
         install(kHereOpenerEntry);
         ok(reg::createKey(HKEY_CURRENT_USER, menuEntryPath(kHereOpenerEntry.caption) + "\\他社の設定"));
         install(kFormSentinel);
     },
     {{0, 1009}, {1, 1015}, {2, 1019}}, kUnsetFailed, {}, {kPictureGathererEntry.caption}},
    {"SourceViewerKeyMayNotBeDeleted", [] { ok(setSourceViewer("C:\\windows\\notepad.exe")); },
     {{0, 1009}, {3, 1027}}, kUnsetFailed, {kPictureGathererEntry}, {}, HKEY_LOCAL_MACHINE, kEditorName},
    // A create failure half-way through a feature's entries.
    {"EntryKeyRefusesWritesMidFeature",
     [] {
         ok(addMenuEntry(kPolyglotRelayLink, "http://example.invalid/old.html", 0x22));
         install(kCrumbViewer);
     },
     {{0, 1038}, {0, 1050}, {2, 1048}}, kSetFailed, {kOmniQuery, kPolyglotRelayEntry, kPolyglotRelayKorean},
     {}, HKEY_CURRENT_USER, menuEntryPath(kPolyglotRelayLink)},
};

class CommitFailureTest : public WizardTest, public ::testing::WithParamInterface<FailureCase> {};

void toggle(WizardProcess& setup, const Toggle& change) {
    ASSERT_TRUE(setup.chooseComboEntry(id::kCategoryCombo, change.listIndex));
    // The list shows four rows at a time; the other four are a page down.
    if (setup.click(change.checkBoxId)) return;
    ASSERT_TRUE(setup.scroll(id::kPanelScrollBar, SB_PAGEDOWN));
    ASSERT_TRUE(setup.click(change.checkBoxId));
}

TEST_P(CommitFailureTest, StopsAtTheFailureKeepsWhatWentBeforeAndLeavesOnlyCancel) {
    const FailureCase& c = GetParam();
    c.prepare();
    std::optional<ReadOnlyKey> lock;
    if (c.lockedRoot != nullptr) lock.emplace(c.lockedRoot, c.lockedPath);
    addForeignEntry();
    const RegistryView before;

    WizardProcess setup;
    ASSERT_NE(nullptr, setup.waitForWizard());
    ASSERT_TRUE(setup.click(id::kNext));
    for (const Toggle& change : c.toggles) ASSERT_NO_FATAL_FAILURE(toggle(setup, change));
    ASSERT_TRUE(setup.click(id::kNext));

    ASSERT_NO_FATAL_FAILURE(answerBox(setup, c.message));

    // Still the features page, with its Finish button, but only Cancel works.
    EXPECT_TRUE(setup.read(id::kCategoryCombo).visible);
    EXPECT_EQ(std::string(kFinishLabel), setup.read(id::kNext).text);
    EXPECT_FALSE(setup.read(id::kNext).enabled);
    EXPECT_FALSE(setup.read(id::kBack).enabled);
    EXPECT_TRUE(setup.read(id::kCancel).enabled);

    RegistryView failed;
    std::vector<std::string> expected;
    for (const MenuEntryFact& entry : c.written) {
        expected.push_back("user key added: " + kMenuKey + entry.caption);
        EXPECT_EQ(entryValues(entry), failed.user[kMenuKey + entry.caption]) << entry.caption;
    }
    for (const std::string& caption : c.removed) expected.push_back("user key removed: " + kMenuKey + caption);
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(expected, changes(before, failed));

    // Enter stands for the disabled Next and must do nothing; Escape cancels.
    setup.pressEnter();
    setup.pressEscape();
    EXPECT_EQ(ExitStatus::exited(1), setup.waitForExit());
    EXPECT_EQ(std::vector<std::string>{}, changes(failed, RegistryView()));
}

INSTANTIATE_TEST_SUITE_P(, CommitFailureTest, ::testing::ValuesIn(kFailures),
                         [](const auto& info) { return std::string(info.param.name); });

// Only the keys of our current captions decide what the wizard starts with,
// whatever else is there and whatever our keys hold; and it writes nothing
// unless the user finishes, however the user leaves and from whichever page.
struct StartCase {
    const char* name;
    void (*prepare)();
    std::vector<int> ticked;  // every other feature's check box starts unticked
    size_t categories;
    void (*leave)(WizardProcess&);
};

void PrintTo(const StartCase& c, std::ostream* out) { *out << c.name; }

const StartCase kStarts[] = {
    {"NoMenuKeyAtAll", [] {}, {}, 4, [](WizardProcess& setup) { EXPECT_TRUE(setup.closeBox()); }},
    {"OtherSoftwaresEntries",
     [] {
         // Near misses of our captions, and an older caption of ours inside
         // another program's entry.
         addForeignEntry();
         ok(addMenuEntry("Xdriveに転送(&Y)", "http://example.invalid/x.html", 0x20));
         ok(addMenuEntry("gooの各種辞典で調べる", "http://example.invalid/d.html", 0x30));
         ok(reg::createVolatileKey(HKEY_CURRENT_USER, menuEntryPath(kForeignEntry) + "\\リンク先の画像をまとめて表示(&G)"));
     },
     {}, 4,
     // Cancel on the features page, with ticks given and the category changed.
     [](WizardProcess& setup) {
         for (int control : {id::kNext, id::kFreewareFinder, id::kPictureGatherer})
             EXPECT_TRUE(setup.click(control)) << "control " << control;
         EXPECT_TRUE(setup.chooseComboEntry(id::kCategoryCombo, 1));
         EXPECT_TRUE(setup.click(id::kHereOpener));
         EXPECT_TRUE(setup.click(id::kCancel));
     }},
    {"OurEntriesWithOddValues",
     [] {
         const DWORD number = 0x00434241;
         const std::string longMask(300, '\x30');
         ok(reg::setValue(HKEY_CURRENT_USER, menuEntryPath(kPictureGathererEntry.caption), "", REG_DWORD, &number, 4));
         install(kHereOpenerEntry);
         install(kFormSentinel);
         ok(reg::setString(HKEY_CURRENT_USER, menuEntryPath(kHereOpenerEntry.caption), "note", "他社の値"));
         ok(reg::createKey(HKEY_CURRENT_USER, menuEntryPath(kHereOpenerEntry.caption) + "\\他社の設定"));
         ok(reg::setValue(HKEY_CURRENT_USER, menuEntryPath(kPortalLexiconPlusEntries[0].caption), "contexts",
                          REG_BINARY, longMask.data(), static_cast<DWORD>(longMask.size())));
         ok(reg::createKey(HKEY_CURRENT_USER, menuEntryPath(kCrumbViewer.caption)));
         ok(reg::setValue(HKEY_CURRENT_USER, menuEntryPath("一覧から選んで i-driveに転送(&A)"), "", REG_MULTI_SZ,
                          "a\0b\0", 5));
         ok(reg::setValue(HKEY_LOCAL_MACHINE, kEditorName, "", REG_DWORD, &number, 4));
     },
     {1009, 1025, 1015, 1019, 1048, 1021, 1027}, 5,
     // Escape on the upgrade page, which the outdated contexts bring, with its offer ticked.
     [](WizardProcess& setup) {
         EXPECT_TRUE(setup.click(id::kNext));
         EXPECT_TRUE(setup.read(id::kUpgradeText).visible);
         EXPECT_TRUE(setup.click(id::kLexiconPlusUpgradeCheck));
         setup.pressEscape();
     }},
};

class StartStateTest : public WizardTest, public ::testing::WithParamInterface<StartCase> {};

TEST_P(StartStateTest, StartsFromWhatTheRegistryHoldsAndLeavingWritesNothing) {
    const StartCase& c = GetParam();
    c.prepare();
    const RegistryView before;

    WizardProcess setup;
    ASSERT_NE(nullptr, setup.waitForWizard());
    for (int id : {1009, 1013, 1025, 1017, 1023, 1038, 1044, 1050, 1011, 1021, 1015, 1019, 1040, 1046, 1048, 1027,
                   1036}) {
        const bool ticked = std::count(c.ticked.begin(), c.ticked.end(), id) > 0;
        EXPECT_EQ(ticked ? BST_CHECKED : BST_UNCHECKED, setup.read(id).check) << "check box " << id;
    }
    EXPECT_EQ(c.categories, setup.read(id::kCategoryCombo).items.size());
    c.leave(setup);
    EXPECT_EQ(ExitStatus::exited(1), setup.waitForExit());
    EXPECT_EQ(std::vector<std::string>{}, changes(before, RegistryView()));
}

INSTANTIATE_TEST_SUITE_P(, StartStateTest, ::testing::ValuesIn(kStarts),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
