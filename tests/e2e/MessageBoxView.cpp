#include "tests/e2e/MessageBoxView.h"

#include <cstring>

#include "tests/e2e/ControlState.h"
#include "tests/e2e/Waiting.h"

namespace e2e {

namespace {

BOOL CALLBACK readPart(HWND child, LPARAM target) {
    auto& box = *reinterpret_cast<MessageBoxView*>(target);
    const ControlState part = readControl(child);
    const LONG kind = part.style & 0xF;
    if (_stricmp(part.className.c_str(), "Static") == 0 && (part.style & SS_TYPEMASK) == SS_ICON) {
        DWORD_PTR icon = 0;
        SendMessageTimeoutA(child, STM_GETICON, 0, 0, SMTO_NORMAL, kPatience, &icon);
        box.hasIcon = box.hasIcon || icon != 0;
    } else if (_stricmp(part.className.c_str(), "Button") == 0 && part.visible &&
               (kind == BS_PUSHBUTTON || kind == BS_DEFPUSHBUTTON)) {
        box.buttons.push_back(part.id);
        if (kind == BS_DEFPUSHBUTTON) box.defaultButton = part.id;
    }
    return TRUE;
}

}  // namespace

MessageBoxView readMessageBox(HWND window) {
    MessageBoxView box;
    if (window == nullptr || !IsWindow(window)) return box;
    box.window = window;
    box.owner = GetWindow(window, GW_OWNER);
    box.caption = windowText(window);
    // The text is the static with id 0xFFFF, under Wine as under Windows.
    box.text = windowText(GetDlgItem(window, 0xFFFF));
    EnumChildWindows(window, readPart, reinterpret_cast<LPARAM>(&box));
    return box;
}

bool answerMessageBox(const MessageBoxView& box, int button) {
    HWND control = GetDlgItem(box.window, button);
    if (control == nullptr) return false;
    SendNotifyMessageA(control, BM_CLICK, 0, 0);
    return waitUntil([&] { return !IsWindow(box.window) || !IsWindowVisible(box.window); });
}

}  // namespace e2e
