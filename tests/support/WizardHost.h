#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "app/ControlIds.h"
#include "app/SetupWizard.h"
#include "catalog/FeatureCatalog.h"
#include "tests/support/Registry.h"

// While alive, this program's calls of MessageBoxA and EndDialog are recorded
// through its import table: Wine's boxes show neither MB_TOPMOST nor their
// icon kind, and a modeless dialog keeps no result. A box is not shown; the
// call answers OK at once, once its caption, owner and flags are checked:
// every box is the wizard's, but the refusals of other platforms and code
// pages, which have none, and each bears its caption and the icon its text
// calls for.
class CallRecorder {
public:
    CallRecorder();
    ~CallRecorder();

    std::vector<std::string> boxes;  // their texts
    std::vector<INT_PTR> endings;    // the results given to EndDialog
};

// The wizard in this process on a modeless dialog from the program's template,
// with the registry sandboxed and the calls recorded. Prepare the registry,
// then open(). On destruction every registry handle and font the wizard made
// must be gone again.
class WizardHost {
    static bool warmUp();
    bool warm = warmUp();  // before the registry is redirected

public:
    ~WizardHost();

    void open();

    HWND dialog() const { return window; }
    HWND item(int id) const { return GetDlgItem(window, id); }
    bool shown(int id) const { return item(id) != nullptr && IsWindowVisible(item(id)); }
    bool enabled(int id) const { return IsWindowEnabled(item(id)) != FALSE; }
    bool ticked(int id) const { return SendMessageA(item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    std::string text(int id) const;
    RECT place(int id) const;  // in the dialog's client area
    int selection() const { return static_cast<int>(SendMessageA(item(kCategoryComboId), CB_GETCURSEL, 0, 0)); }
    int listed() const { return static_cast<int>(SendMessageA(item(kCategoryComboId), CB_GETCOUNT, 0, 0)); }

    // Input as a user gives it; false, and nothing sent, where the control is
    // not there for the user: missing, hidden or disabled.
    bool click(int id);
    bool choose(int listIndex);
    bool scroll(int request, int position = 0);
    // Brings the feature's check box into view as a user would, then clicks it.
    bool toggle(int checkId);

    // The texts of the boxes that came up since the last call.
    std::vector<std::string> takeBoxes();

    RegistrySandbox registry;
    CallRecorder calls;

private:
    std::unique_ptr<SetupWizard> wizard{new SetupWizard(GetModuleHandleA(nullptr))};
    HWND window = nullptr;
    DWORD_PTR handles = 0;
    size_t boxesTaken = 0;
};

// In the order they were made, which is the tab order.
std::vector<HWND> children(HWND parent);

// What a wizard must give back once it is gone, whether a test made it in
// process or the program's entry ran it: the fonts of its controls, read
// while it was up, and every handle opened since the handles' mark was taken
// (0: none counted).
std::vector<HGDIOBJ> controlFonts(HWND dialog);
void expectGivenBack(const std::vector<HGDIOBJ>& fonts, DWORD_PTR handles);

// The program's own catalog as the tests look into it: a row by its check
// box, and the caption an older version wrote its first entry under, which
// the wizard moves (null when there is none).
const FeatureEntry& feature(int checkBoxId);
const char* movedCaption(const FeatureEntry& feature);
