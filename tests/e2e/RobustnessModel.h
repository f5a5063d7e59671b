#pragma once

#include <string>
#include <vector>

#include "tests/e2e/E2eRegistry.h"

// What the wizard should do, worked out independently of the program: which
// features a registry state counts as installed, which inputs each page takes
// and which message they bring up, and what the registry holds afterwards.
// The features are written down here again, so that a wrong caption, address,
// mask or order in the program shows up as a difference.
namespace robust {

enum class Category { Information, FreeServices, ResourceSaving, SecurityPrivacy, Other };
enum class Page { Welcome, Upgrade, Features };
enum class Mode { Running, Done, Failed, Ended };

struct Entry {
    const char* caption;
    const char* script;
    unsigned char contexts;
};

struct Feature {
    int checkId;
    Category category;
    bool discontinued;
    std::vector<Entry> entries;  // none for the source viewer's feature
    const char* olderCaption;    // moved to the first entry at start, or null
    const char* refusal;         // discontinued features only
};

// The 17 features in the order the wizard lists and commits them.
const std::vector<Feature>& features();
inline constexpr int kXdriveCourier = 8, kMarkupReaderSwap = 15;
inline constexpr const char* kXdriveOlderCaptions[] = {"X:driveに転送(&X)", "一覧から選んで X:driveに転送(&A)"};
inline constexpr char kScriptBase[] = "http://www.example.com/iekelvara/";

// Key names below HKCU\Software and below HKLM\SOFTWARE\Microsoft\Internet Explorer.
std::string menuKey(const std::string& caption);
inline constexpr char kEditorKey[] = "View Source Editor\\Editor Name";
inline constexpr char kViewSourceKey[] = "View Source Editor";

inline constexpr int kNext = 1, kCancel = 2, kBack = 3, kScrollBar = 106, kCombo = 1008;
inline constexpr int kWelcomeText = 1002, kUpgradeText = 1031, kLexiconUpgrade = 1032, kLexiconPlusUpgrade = 1034;

class WizardModel {
public:
    // Runs the detection at start, migrations included. A sealed MenuExt key
    // is a volatile one, below which no lasting key can be made.
    WizardModel(e2e::RegistrySnapshot user, e2e::RegistrySnapshot browser, bool palimoKey, bool menuSealed);

    // Each input answers whether the wizard takes it, and leaves in `box` the
    // text of the message box it brings up ("" for none).
    bool click(int id);
    bool choose(int index);
    bool scroll(int request, int position);

    bool visible(int id) const;
    bool usable(int id) const;  // shown and enabled
    int firstRow() const { return first; }  // the panel's top row
    bool listsFreeServices() const { return freeServicesListed; }
    const std::string& sourceViewerPath() const { return editorPath; }  // as found at start
    int listIndex() const {  // the category's place in the list
        const int place = static_cast<int>(category);
        return place > 1 && !freeServicesListed ? place - 1 : place;
    }
    Mode mode() const { return state; }
    Page page() const;
    std::string nextLabel() const;

    std::vector<std::string> startupBoxes;  // in the order they come up
    std::string box;
    e2e::RegistrySnapshot user, browser;  // what the registry must hold now

private:
    int featureOf(int checkId) const;
    void showPage();
    void finish();
    bool commit(bool& changed);
    bool add(const std::vector<Entry>& entries);
    bool remove(const Feature& feature, int index);
    bool registerEntry(const Entry& entry);

    bool menuSealed;
    std::string failure;  // the report of the write that failed
    int counter = 0;      // the wizard's page counter
    Mode state = Mode::Running;
    bool hasUpgradePage = false, freeServicesListed = false, xdriveOlder = false;
    bool outdated[2] = {}, upgradeTicked[2] = {};
    std::vector<int> installed, ticked;  // per feature, 0 or 1
    std::string editorPath;
    Category category = Category::Information;
    bool paneHidden = false;  // after the warning about a missing path
    int first = 0;            // the panel's top row
    int frozenFirst = -1;     // rows frozenFirst..+3 were greyed by the commit
};

}  // namespace robust
