#include "tests/e2e/WizardProcess.h"

namespace e2e {

bool WizardProcess::usable(HWND control) const {
    return control != nullptr && IsWindowVisible(control) && IsWindowEnabled(control) && IsWindowEnabled(dialog);
}

// Sent messages reach the wizard in order, so once this one is answered the
// input sent before it has been handled, or has opened a message box whose
// own loop answered it.
void WizardProcess::settle() const { SendMessageTimeoutA(dialog, WM_NULL, 0, 0, SMTO_NORMAL, kPatience, nullptr); }

bool WizardProcess::click(int id) {
    HWND button = control(id);
    if (!usable(button)) return false;
    SendNotifyMessageA(button, BM_CLICK, 0, 0);
    settle();
    return true;
}

bool WizardProcess::chooseComboEntry(int id, int index) {
    HWND combo = control(id);
    DWORD_PTR chosen = CB_ERR;
    if (!usable(combo) ||
        !SendMessageTimeoutA(combo, CB_SETCURSEL, index, 0, SMTO_NORMAL, kPatience, &chosen) ||
        static_cast<int>(chosen) != index)
        return false;
    // Choosing from the list tells the dialog; setting the selection alone does not.
    SendNotifyMessageA(GetParent(combo), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
    settle();
    return true;
}

bool WizardProcess::scroll(int barId, int request, int position) {
    HWND bar = control(barId);
    if (!usable(bar)) return false;
    const UINT message = (GetWindowLongA(bar, GWL_STYLE) & SBS_VERT) ? WM_VSCROLL : WM_HSCROLL;
    SendNotifyMessageA(GetParent(bar), message, MAKEWPARAM(request, position), reinterpret_cast<LPARAM>(bar));
    settle();
    return true;
}

bool WizardProcess::closeBox() {
    if (!usable(dialog) || !(GetWindowLongA(dialog, GWL_STYLE) & WS_SYSMENU)) return false;
    SendNotifyMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    settle();
    return true;
}

void WizardProcess::command(int id) {
    SendNotifyMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(control(id)));
    settle();
}

// Posted, not sent: the dialog manager sees keys only in the message loop.
void WizardProcess::pressKey(UINT key) {
    // Straight after a message box has gone, the focus is not back in the
    // wizard yet, and a key posted then would reach no window of it.
    HWND target = dialog;
    waitUntil([&] {
        GUITHREADINFO input = {};
        input.cbSize = sizeof input;
        GetGUIThreadInfo(threadId, &input);
        if (input.hwndFocus == nullptr || (input.hwndFocus != dialog && !IsChild(dialog, input.hwndFocus)))
            return false;
        target = input.hwndFocus;
        return true;
    }, 2000);
    const LPARAM scanCode = static_cast<LPARAM>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC)) << 16;
    PostMessageA(target, WM_KEYDOWN, key, scanCode | 1);
    PostMessageA(target, WM_KEYUP, key, scanCode | 1 | (1L << 30) | (1UL << 31));
}

}  // namespace e2e
