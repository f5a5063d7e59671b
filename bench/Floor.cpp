// The floor of the wizard's design: its dialog with every child window the
// wizard makes when it opens with nothing installed, made as the wizard makes
// them (one window and one font each, in the same order, hidden, the welcome
// page's shown), and nothing else: no registry, no detection, no state.
// setup.exe's start-up is measured against it as well as against the bare
// dialog; startup_bench checks that its windows are the wizard's.
#include <windows.h>

#include "app/ControlIds.h"
#include "app/WizardTexts.h"
#include "catalog/FeatureCatalog.h"
#include "controls/ControlFont.h"
#include "controls/FeatureRowPlaces.h"
#include "resources/resource.h"

namespace {

constexpr DWORD kButtonStyle = WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD kCheckBoxStyle = WS_TABSTOP | BS_AUTOCHECKBOX;
constexpr DWORD kComboStyle = WS_TABSTOP | CBS_HASSTRINGS | CBS_DROPDOWNLIST | WS_GROUP;

// The page controls in the order the wizard makes them, and whether each is
// shown when the dialog comes up.
struct Child {
    const char* windowClass;
    DWORD style;
    DWORD exStyle;
    Place place;
    const char* text;
    int id;
    bool shown;
};

const Child kPageChildren[] = {
    {"STATIC", SS_LEFT, WS_EX_STATICEDGE, {8, 288, 452, 2}, "", kSeparatorLineId, true},
    {"BUTTON", kButtonStyle, 0, {166, 300, 88, 22}, kBackLabel, kBackButtonId, true},
    {"BUTTON", kButtonStyle, 0, {254, 300, 88, 22}, kNextLabel, kNextButtonId, true},
    {"BUTTON", kButtonStyle, 0, {350, 300, 88, 22}, kCancelLabel, kCancelButtonId, true},
    {"STATIC", SS_LEFT, 0, {16, 16, 436, 14}, kWelcomeText1, kWelcomeText1Id, true},
    {"STATIC", SS_LEFT, 0, {16, 30, 436, 35}, kWelcomeText2, kWelcomeText2Id, true},
    {"STATIC", SS_LEFT, 0, {16, 68, 436, 14}, kWelcomeText3, kWelcomeText3Id, true},
    {"STATIC", SS_LEFT, 0, {16, 16, 436, 14}, kFeaturesText1, kFeaturesText1Id, false},
    {"STATIC", SS_LEFT, 0, {16, 30, 436, 28}, kFeaturesText2, kFeaturesText2Id, false},
    {"BUTTON", BS_GROUPBOX, 0, {8, 62, 452, 210}, "", kCategoryFrameId, false},
    {"COMBOBOX", kComboStyle, 0, {24, 58, 280, 100}, "", kCategoryComboId, false},
};

// The categories listed when no courier feature is installed.
constexpr FeatureCategory kListedCategories[] = {FeatureCategory::Information, FeatureCategory::ResourceSaving,
                                                 FeatureCategory::SecurityPrivacy, FeatureCategory::Other};

// The panel's bar, beside its four rows in view; of its eight rows, the last
// view starts at the fifth.
constexpr Place kPanelBarPlace = {436, kFirstRowTop, 16, checkBoxPlace(0).height + kDescriptionHeight + 3 * kRowStep};
constexpr short kPanelLastFirstRow = 4;

// The categories' rows, all but the source viewer's, which exists only when
// it is installed: their tops and whether each starts a tab group.
const struct {
    FeatureRow row;
    int top;
    bool group;
} kCategoryRows[] = {
    {FeatureRow::XdriveCourier, 84, false},   {FeatureRow::IdriveCourier, 128, false},
    {FeatureRow::HereOpener, 84, true},       {FeatureRow::FormSentinel, 84, true},
    {FeatureRow::TargetRevealer, 128, true},  {FeatureRow::RemoteMarkupPeek, 172, true},
    {FeatureRow::CrumbViewer, 216, true},     {FeatureRow::PaneUnwrapper, 84, true},
};

HWND make(HWND dialog, const char* windowClass, DWORD style, DWORD exStyle, const Place& place, const char* text,
          int id) {
    HWND window = CreateWindowExA(exStyle, windowClass, text, style | WS_CHILD, place.x, place.y, place.width,
                                  place.height, dialog, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                  GetModuleHandleA(nullptr), nullptr);
    HFONT font = CreateFontA(kControlFontHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                             OUT_TT_ONLY_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                             kControlFontFace);
    SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
    return window;
}

void makeRow(HWND dialog, const FeatureEntry& feature, int top, bool group) {
    make(dialog, "BUTTON", kCheckBoxStyle | (group ? WS_GROUP : 0), 0, checkBoxPlace(top), feature.caption,
         feature.checkBoxId);
    make(dialog, "STATIC", SS_LEFT, 0, descriptionPlace(top), feature.description, feature.descriptionId);
}

// The fonts go with the process, which ends when the dialog does.
void makeChildren(HWND dialog) {
    for (const Child& child : kPageChildren) {
        HWND window = make(dialog, child.windowClass, child.style, child.exStyle, child.place, child.text, child.id);
        if (child.id == kBackButtonId) EnableWindow(window, FALSE);
        if (child.shown) ShowWindow(window, SW_SHOW);
    }

    HWND combo = GetDlgItem(dialog, kCategoryComboId);
    for (FeatureCategory category : kListedCategories)
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(FeatureCatalog::categoryText(category)));

    HWND bar = make(dialog, "SCROLLBAR", WS_TABSTOP | SBS_VERT, 0, kPanelBarPlace, "", kPanelScrollBarId);
    for (const FeatureEntry& feature : FeatureCatalog::rows())
        if (feature.category == FeatureCategory::Information) makeRow(dialog, feature, kFirstRowTop, false);
    SetScrollRange(bar, SB_CTL, 0, kPanelLastFirstRow, TRUE);

    for (const auto& row : kCategoryRows) makeRow(dialog, FeatureCatalog::row(row.row), row.top, row.group);
}

INT_PTR CALLBACK floorDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        HICON icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_KELVARA));
        SetClassLongPtrA(window, GCLP_HICON, reinterpret_cast<LONG_PTR>(icon));
        makeChildren(window);
        return TRUE;
    }
    if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
        EndDialog(window, 2);
        return TRUE;
    }
    return FALSE;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    return static_cast<int>(DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_WIZARD), nullptr, floorDialogProc, 0));
}
