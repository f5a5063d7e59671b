#include "tests/support/WizardHost.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "app/WizardDialog.h"
#include "app/WizardTexts.h"
#include "resources/ProductNames.h"
#include "resources/resource.h"
#include "tests/support/ImportTable.h"

namespace {

constexpr int kList = kCategoryComboId;
CallRecorder* recorder = nullptr;
decltype(&MessageBoxA) realMessageBox = nullptr;
decltype(&EndDialog) realEndDialog = nullptr;

int WINAPI recordBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
    const auto refusal = [&](const FeatureEntry& row) { return row.refusalMessage && !std::strcmp(text, row.refusalMessage); };
    const bool codePage = !std::strcmp(text, kCodePageRefusal) || !std::strcmp(text, kUtf8Refusal) ||
                          !std::strcmp(text, kEditionRefusal);
    const bool alone = codePage || text == std::string(kPlatformRefusal);
    const bool notice = text == std::string(kSetupComplete) ||
                        std::any_of(FeatureCatalog::rows().begin(), FeatureCatalog::rows().end(), refusal);
    // The wizard's dialog, owner of all but the entry's refusals, is this thread's one top-level window.
    const bool ours = owner && !GetParent(owner) && GetWindowThreadProcessId(owner, nullptr) == GetCurrentThreadId();
    EXPECT_EQ(!alone, ours) << text;
    EXPECT_STREQ(codePage ? kCodePageCaption : KELVARA_MESSAGE_CAPTION, caption);
    EXPECT_EQ(alone ? 0x40010u : notice ? 0x40040u : 0x40030u, type) << text;
    recorder->boxes.push_back(text);
    return IDOK;
}

BOOL WINAPI recordEnding(HWND dialog, INT_PTR result) {
    recorder->endings.push_back(result);
    return realEndDialog(dialog, result);
}

}  // namespace

CallRecorder::CallRecorder() {
    recorder = this;
    realMessageBox = patchImport(&MessageBoxA, &recordBox);
    realEndDialog = patchImport(&EndDialog, &recordEnding);
}

CallRecorder::~CallRecorder() {
    patchImport(&recordBox, realMessageBox);
    patchImport(&recordEnding, realEndDialog);
}

std::vector<HWND> children(HWND parent) {
    std::vector<HWND> found;
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
        found.push_back(child);
    return found;
}

std::vector<HGDIOBJ> controlFonts(HWND dialog) {
    std::vector<HGDIOBJ> fonts;
    for (HWND child : children(dialog)) fonts.push_back((HGDIOBJ)SendMessageA(child, WM_GETFONT, 0, 0));
    return fonts;
}

void expectGivenBack(const std::vector<HGDIOBJ>& fonts, DWORD_PTR handles) {
    for (HGDIOBJ font : fonts) EXPECT_EQ(0u, GetObjectType(font)) << "a control's font outlived the wizard";
    if (handles != 0) EXPECT_EQ(handles, handleMark()) << "a handle was left open";
}

// Wine makes a few objects for the rest of the process at the first click in
// a dialog, and GoogleTest a thread at the first trace, so a throwaway wizard
// takes them before any handle is counted.
bool WizardHost::warmUp() {
    static bool warm = false;
    if (!warm) {
        warm = true;
        SCOPED_TRACE("warming up");
        WizardHost first;
        first.open();
        first.click(kNextButtonId);
        first.handles = 0;
    }
    return warm;
}

WizardHost::~WizardHost() {
    const std::vector<HGDIOBJ> fonts = controlFonts(window);
    if (window != nullptr) DestroyWindow(window);
    wizard.reset();
    expectGivenBack(fonts, handles);
}

void WizardHost::open() {
    handles = handleMark();
    activeWizard = wizard.get();
    window = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_WIZARD), nullptr, wizardDialogProc, 0);
    ASSERT_NE(nullptr, window) << "error " << GetLastError();
}

std::string WizardHost::text(int id) const {
    char buffer[1024] = {};
    GetWindowTextA(item(id), buffer, sizeof buffer);
    return buffer;
}

RECT WizardHost::place(int id) const {
    RECT rect = {};
    GetWindowRect(item(id), &rect);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

bool WizardHost::click(int id) {
    return shown(id) && enabled(id) && (SendMessageA(item(id), BM_CLICK, 0, 0), true);
}

// Choosing from the list notifies the dialog; setting the selection alone does not.
bool WizardHost::choose(int listIndex) {
    return shown(kList) && enabled(kList) && SendMessageA(item(kList), CB_SETCURSEL, listIndex, 0) != CB_ERR &&
           (SendMessageA(window, WM_COMMAND, MAKEWPARAM(kList, CBN_SELCHANGE), (LPARAM)item(kList)), true);
}

bool WizardHost::scroll(int request, int position) {
    const HWND bar = item(kPanelScrollBarId);
    return shown(kPanelScrollBarId) && (SendMessageA(window, WM_VSCROLL, MAKEWPARAM(request, position), (LPARAM)bar), 1);
}

// A user already in the feature's category with the feature in view just clicks.
bool WizardHost::toggle(int checkId) {
    const char* category = FeatureCatalog::categoryText(feature(checkId).category);
    const int entry = static_cast<int>(SendMessageA(item(kList), CB_FINDSTRINGEXACT, -1, (LPARAM)category));
    if (entry != selection() || !shown(checkId)) {
        if (!choose(entry)) return false;
        if (!shown(checkId)) scroll(SB_PAGEDOWN);
    }
    return click(checkId);
}

std::vector<std::string> WizardHost::takeBoxes() {
    const std::vector<std::string> texts(calls.boxes.begin() + boxesTaken, calls.boxes.end());
    boxesTaken = calls.boxes.size();
    return texts;
}

const FeatureEntry& feature(int checkBoxId) {
    const auto rows = FeatureCatalog::rows();
    return *std::find_if(rows.begin(), rows.end(), [&](const FeatureEntry& row) { return row.checkBoxId == checkBoxId; });
}

const char* movedCaption(const FeatureEntry& feature) {
    for (const LegacyCaption& legacy : feature.legacyCaptions)
        if (legacy.mode == LegacyMode::Migrate) return legacy.oldCaption;
    return nullptr;
}
