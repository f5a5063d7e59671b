#include "tests/support/WizardHost.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "app/WizardDialog.h"
#include "resources/resource.h"

namespace {

CallRecorder* recorder = nullptr;
decltype(&MessageBoxA) realMessageBox = nullptr;
decltype(&EndDialog) realEndDialog = nullptr;

// Points the slot of this program's import table that holds a function at
// another one, and answers what it held.
void* swap(void* function, void* replacement) {
    auto* base = reinterpret_cast<BYTE*>(GetModuleHandleA(nullptr));
    auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
    const DWORD imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
    for (auto* module = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports); module->Name; ++module)
        for (auto* slot = reinterpret_cast<void**>(base + module->FirstThunk); *slot != nullptr; ++slot) {
            if (*slot != function) continue;
            DWORD protection = 0;
            VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &protection);
            *slot = replacement;
            VirtualProtect(slot, sizeof *slot, protection, &protection);
            return function;
        }
    ADD_FAILURE() << "the function is not imported";
    return function;
}

int WINAPI recordBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
    recorder->boxes.push_back({owner, text, caption, type});
    return IDOK;
}

BOOL WINAPI recordEnding(HWND dialog, INT_PTR result) {
    recorder->endings.push_back(result);
    return realEndDialog(dialog, result);
}

}  // namespace

CallRecorder::CallRecorder() {
    recorder = this;
    realMessageBox = reinterpret_cast<decltype(&MessageBoxA)>(swap(reinterpret_cast<void*>(&MessageBoxA), reinterpret_cast<void*>(&recordBox)));
    realEndDialog = reinterpret_cast<decltype(&EndDialog)>(swap(reinterpret_cast<void*>(&EndDialog), reinterpret_cast<void*>(&recordEnding)));
}

CallRecorder::~CallRecorder() {
    swap(reinterpret_cast<void*>(&recordBox), reinterpret_cast<void*>(realMessageBox));
    swap(reinterpret_cast<void*>(&recordEnding), reinterpret_cast<void*>(realEndDialog));
}

std::vector<HWND> children(HWND parent) {
    std::vector<HWND> found;
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
        found.push_back(child);
    return found;
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
        first.click(1);
        first.firstFreeHandle = nullptr;
    }
    return warm;
}

WizardHost::~WizardHost() {
    std::vector<HGDIOBJ> fonts;
    for (HWND child : children(window))
        if (HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageA(child, WM_GETFONT, 0, 0))) fonts.push_back(font);
    if (window != nullptr) DestroyWindow(window);
    wizard.reset();
    for (HGDIOBJ font : fonts) EXPECT_EQ(0u, GetObjectType(font)) << "a control's font outlived it";
    if (firstFreeHandle != nullptr) EXPECT_EQ(firstFreeHandle, nextFreeHandle()) << "a handle was left open";
}

void WizardHost::open() {
    firstFreeHandle = nextFreeHandle();
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

std::vector<int> WizardHost::inView() const {
    std::vector<int> ids;
    for (HWND child : children(window))
        if (IsWindowVisible(child)) ids.push_back(GetDlgCtrlID(child));
    return ids;
}

bool WizardHost::click(int id) {
    return shown(id) && enabled(id) && (SendMessageA(item(id), BM_CLICK, 0, 0), true);
}

// Choosing from the list notifies the dialog; setting the selection alone does not.
bool WizardHost::choose(int listIndex) {
    return shown(1008) && enabled(1008) && SendMessageA(item(1008), CB_SETCURSEL, listIndex, 0) != CB_ERR &&
           (SendMessageA(window, WM_COMMAND, MAKEWPARAM(1008, CBN_SELCHANGE), reinterpret_cast<LPARAM>(item(1008))), true);
}

bool WizardHost::scroll(int request, int position) {
    return shown(106) &&
           (SendMessageA(window, WM_VSCROLL, MAKEWPARAM(request, position), reinterpret_cast<LPARAM>(item(106))), true);
}

bool WizardHost::toggle(int checkId) {
    const char* category = expected::kCategories[expected::feature(checkId).category];
    const int index = static_cast<int>(SendMessageA(item(1008), CB_FINDSTRINGEXACT, -1, reinterpret_cast<LPARAM>(category)));
    if (!choose(index)) return false;
    if (!shown(checkId)) scroll(SB_PAGEDOWN);
    return click(checkId);
}

std::vector<std::string> WizardHost::takeBoxes() {
    std::vector<std::string> texts;
    for (; boxesTaken < calls.boxes.size(); ++boxesTaken) {
        const RecordedBox& box = calls.boxes[boxesTaken];
        EXPECT_EQ(window, box.owner) << box.text;
        EXPECT_EQ(expected::kCaption, box.caption);
        const bool notice = box.text == expected::kComplete ||
                            std::any_of(expected::features().begin(), expected::features().end(),
                                        [&](const expected::Feature& row) { return row.refusal != nullptr && box.text == row.refusal; });
        EXPECT_EQ(notice ? expected::kNotice : expected::kWarning, box.type) << box.text;
        texts.push_back(box.text);
    }
    return texts;
}
