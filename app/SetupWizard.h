#pragma once

#include <windows.h>

#include <memory>

class CheckBox;
class Control;
class ComboBox;
class EditBox;
class FeatureListPanel;
class GroupBox;
class PushButton;
class RegKey;
class StaticText;
struct FeatureEntry;
struct LegacyCaption;
struct MenuEntry;
enum class FeatureCategory : unsigned char;

// The wizard: one modal dialog whose pages are made by showing and hiding
// controls that are all created once, when the dialog starts.
//
// Its operations are spread over the subsystems they concern: the layout,
// commands and pages here in app/, the menu-entry operations in registry/,
// the detection of what is installed in catalog/.
class SetupWizard {
public:
    explicit SetupWizard(HINSTANCE instance);
    virtual ~SetupWizard();

    SetupWizard(const SetupWizard&) = delete;
    SetupWizard& operator=(const SetupWizard&) = delete;

    int handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    // Pages and the final commit.
    bool showPage();

    // Menu entries and the other registry locations; each failure to write or
    // delete is reported to the user by the operation itself.
    bool registerMenuEntry(const char* caption, const char* script, DWORD contexts);
    bool unregisterMenuEntry(const char* caption);
    bool isMenuEntryRegistered(const char* caption);
    bool fileExists(const char* path);
    void reportSetupFailure(bool removing);
    void readSourceViewerSetting();
    bool removeSourceViewerSetting();

    // What is installed, with the move of entries written under older captions.
    void detectInstalledFeatures();

    HWND dialogWindow = nullptr;
    HINSTANCE instance;
    int page = 0;

    // Start states, 0 or 1: whether each feature was installed when the wizard
    // started. The commit writes only where the user's choice differs.
    int pictureGathererInstalled = 0;
    int portalLexiconInstalled = 0;
    int portalLexiconPlusInstalled = 0;
    int freewareFinderInstalled = 0;
    int hostRedirectorInstalled = 0;
    int xdriveCourierInstalled = 0;
    int idriveCourierInstalled = 0;
    int hereOpenerInstalled = 0;
    int formSentinelInstalled = 0;
    int targetRevealerInstalled = 0;
    int markupReaderSwapInstalled = 0;
    int paneUnwrapperInstalled = 0;
    int omniQueryInstalled = 0;
    int uriGrabberInstalled = 0;
    int remoteMarkupPeekInstalled = 0;
    int crumbViewerInstalled = 0;
    int polyglotRelayInstalled = 0;

    bool xdriveOldCaptions = false;
    bool hasUpgradePage = false;
    bool portalLexiconOutdated = false;
    bool portalLexiconPlusOutdated = false;

    // The controls, null until created. The wizard owns them; its destructor
    // deletes them, in a fixed order, and nothing else does.
    PushButton* backButton = nullptr;
    PushButton* nextButton = nullptr;
    PushButton* cancelButton = nullptr;
    StaticText* separatorLine = nullptr;
    StaticText* welcomeText1 = nullptr;
    StaticText* welcomeText2 = nullptr;
    StaticText* welcomeText3 = nullptr;
    StaticText* featuresText1 = nullptr;
    StaticText* featuresText2 = nullptr;
    StaticText* upgradeText = nullptr;
    StaticText* portalLexiconUpgradeText = nullptr;
    StaticText* portalLexiconPlusUpgradeText = nullptr;
    StaticText* xdriveCourierText = nullptr;
    StaticText* idriveCourierText = nullptr;
    StaticText* hereOpenerText = nullptr;
    StaticText* formSentinelText = nullptr;
    StaticText* targetRevealerText = nullptr;
    StaticText* markupReaderSwapText = nullptr;
    StaticText* remoteMarkupPeekText = nullptr;
    StaticText* crumbViewerText = nullptr;
    PushButton* editorBrowseButton = nullptr;
    EditBox* editorPathEdit = nullptr;
    StaticText* paneUnwrapperText = nullptr;
    CheckBox* portalLexiconUpgradeCheck = nullptr;
    CheckBox* portalLexiconPlusUpgradeCheck = nullptr;
    CheckBox* xdriveCourierCheck = nullptr;
    CheckBox* idriveCourierCheck = nullptr;
    CheckBox* hereOpenerCheck = nullptr;
    CheckBox* formSentinelCheck = nullptr;
    CheckBox* targetRevealerCheck = nullptr;
    CheckBox* markupReaderSwapCheck = nullptr;
    CheckBox* paneUnwrapperCheck = nullptr;
    CheckBox* remoteMarkupPeekCheck = nullptr;
    CheckBox* crumbViewerCheck = nullptr;
    ComboBox* categoryCombo = nullptr;
    GroupBox* categoryFrame = nullptr;
    FeatureListPanel* featurePanel = nullptr;

    short pictureGathererRow = 0;
    short portalLexiconRow = 0;
    short portalLexiconPlusRow = 0;
    short freewareFinderRow = 0;
    short hostRedirectorRow = 0;
    short omniQueryRow = 0;
    short uriGrabberRow = 0;
    short polyglotRelayRow = 0;

    // The source viewer's program path read at start; empty when there is none.
    std::unique_ptr<char[]> editorPath;

private:
    static constexpr int kMostFeatureControls = 4;

    // Per-feature members, found by the feature's catalog row. A panel row
    // (category Information) has a row index, every other row a check box
    // and its text; only the rows with an upgrade offer have the upgrade
    // members. featureCheck is null for a panel row and until created.
    int& startState(const FeatureEntry& feature);
    short& panelRow(const FeatureEntry& feature);
    CheckBox*& checkSlot(const FeatureEntry& feature);
    StaticText*& textSlot(const FeatureEntry& feature);
    CheckBox* featureCheck(const FeatureEntry& feature);
    bool& outdatedFlag(const FeatureEntry& feature);
    CheckBox*& upgradeCheckSlot(const FeatureEntry& feature);
    StaticText*& upgradeTextSlot(const FeatureEntry& feature);
    int featureControls(const FeatureEntry& feature, Control* controls[kMostFeatureControls]);
    void showFeatureControls(const FeatureEntry& feature, bool visible);
    void enableFeatureControls(const FeatureEntry& feature, bool enabled);

    // What the page counter stands for. The upgrade step exists only with
    // hasUpgradePage; End is any counter past the final step.
    enum class Step { Welcome, Upgrade, Features, Finish, End };
    Step step() const;
    // Back, and the final step when it leaves the user on the features page.
    void stepBack() { --page; }

    void initDialog();
    void createPageControls();
    void createFeaturePanel();
    void createCategoryControls();
    void createFeatureControls(const FeatureEntry& feature, int y, bool group, int textHeight);
    void createUpgradeControls();

    // The category list; the only place that knows which categories it shows.
    bool isListed(FeatureCategory category);
    void fillCategoryList();
    bool listedCategory(int entry, FeatureCategory& category);  // false when there is no such entry
    int listIndex(FeatureCategory category);

    int onCommand(int id, int notification);
    int next();
    void onScroll(int request, short position);
    void showCategory(int entry);
    void refuseTick(const FeatureEntry& feature);

    void showWelcomePage();
    void showUpgradePage();
    void showFeaturesPage();
    void showAllCategoryControls(bool visible);
    void showUpgradeControls(bool visible);
    bool finish();
    bool editorPathIsUsable();
    bool commit(bool& changed);
    bool chosen(const FeatureEntry& feature);
    bool addFeature(const FeatureEntry& feature);
    bool removeFeature(const FeatureEntry& feature);
    const char* removalCaption(const FeatureEntry& feature, const MenuEntry& entry);
    void freezeChoices();

    // The detection of each kind of row.
    int detectDictionary(const FeatureEntry& feature, RegKey& key);
    int detectXdriveCourier(const FeatureEntry& feature);
    int detectMoving(const FeatureEntry& feature, const LegacyCaption& legacy);

    int messageBox(const char* text, UINT icon);
};
