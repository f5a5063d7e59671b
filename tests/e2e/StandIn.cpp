// A small dialog program with a control of each kind the wizard uses, whose
// answers are known, for checking the end-to-end harness itself.
#include <windows.h>

#include <cstring>
#include <initializer_list>

namespace {

constexpr int kCheck = 10, kCombo = 11, kBar = 12, kEcho = 13;

INT_PTR CALLBACK standInProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        CheckDlgButton(dialog, kCheck, BST_CHECKED);
        for (const char* item : {"一つ目", "二つ目", "三つ目"})
            SendDlgItemMessageA(dialog, kCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        SetScrollRange(GetDlgItem(dialog, kBar), SB_CTL, 0, 5, FALSE);
        // Placed in pixels, as the wizard places its controls.
        CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 16, 60, 200, 14, dialog,
                        reinterpret_cast<HMENU>(kEcho), nullptr, nullptr);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == kCombo && HIWORD(wParam) == CBN_SELCHANGE) {
            char item[64] = {};
            const LRESULT chosen = SendDlgItemMessageA(dialog, kCombo, CB_GETCURSEL, 0, 0);
            SendDlgItemMessageA(dialog, kCombo, CB_GETLBTEXT, chosen, reinterpret_cast<LPARAM>(item));
            SetDlgItemTextA(dialog, kEcho, item);
        } else if (LOWORD(wParam) == IDOK) {
            if (MessageBoxA(dialog, "確認します。\n二行目", "ハーネス", MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) ==
                IDYES)
                EndDialog(dialog, 7);
        } else if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, 2);
        }
        return TRUE;
    case WM_VSCROLL: {
        HWND bar = reinterpret_cast<HWND>(lParam);
        int position = GetScrollPos(bar, SB_CTL);
        if (LOWORD(wParam) == SB_LINEDOWN) ++position;
        if (LOWORD(wParam) == SB_THUMBPOSITION) position = HIWORD(wParam);
        SetScrollPos(bar, SB_CTL, position, TRUE);
        return TRUE;
    }
    }
    return FALSE;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    if (std::strstr(commandLine, "crash") != nullptr) RaiseException(EXCEPTION_ACCESS_VIOLATION, 0, 0, nullptr);
    return static_cast<int>(DialogBoxParamA(instance, MAKEINTRESOURCEA(1), nullptr, standInProc, 0));
}
