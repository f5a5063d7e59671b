#include "tests/e2e/ControlState.h"

#include <cstring>

#include "tests/e2e/Waiting.h"

namespace e2e {

namespace {

LRESULT ask(HWND window, UINT message, WPARAM wParam, LPARAM lParam, bool wide = false) {
    DWORD_PTR result = 0;
    const auto send = wide ? SendMessageTimeoutW : SendMessageTimeoutA;
    if (!send(window, message, wParam, lParam, SMTO_NORMAL, kPatience, &result)) return -1;
    return static_cast<LRESULT>(result);
}

// Across processes, Wine 8 answers the narrow CB_GETLBTEXT with UTF-16, so
// the items are asked for in UTF-16 and converted to Shift-JIS here.
std::vector<std::string> comboItems(HWND combo) {
    std::vector<std::string> items;
    const LRESULT count = ask(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        const LRESULT length = ask(combo, CB_GETLBTEXTLEN, i, 0, true);
        if (length < 0) break;
        std::wstring wide(static_cast<size_t>(length) + 1, L'\0');
        if (ask(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(wide.data()), true) < 0) break;
        char narrow[1024] = {};
        WideCharToMultiByte(932, 0, wide.c_str(), -1, narrow, sizeof narrow, nullptr, nullptr);
        items.emplace_back(narrow);
    }
    return items;
}

}  // namespace

std::string windowText(HWND window) {
    char text[4096] = {};
    if (ask(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text)) < 0) return "";
    return text;
}

ControlState readControl(HWND control) {
    ControlState state;
    if (control == nullptr || !IsWindow(control)) return state;
    char className[64] = {};
    GetClassNameA(control, className, sizeof className);
    state.className = className;
    state.id = GetDlgCtrlID(control);
    state.visible = IsWindowVisible(control) != FALSE;
    state.style = GetWindowLongA(control, GWL_STYLE);
    state.text = windowText(control);
    if (_stricmp(className, "ComboBox") == 0) {
        state.items = comboItems(control);
        state.selection = static_cast<int>(ask(control, CB_GETCURSEL, 0, 0));
    } else if (_stricmp(className, "ScrollBar") == 0) {
        SCROLLINFO info = {};
        info.cbSize = sizeof info;
        info.fMask = SIF_POS;
        if (ask(control, SBM_GETSCROLLINFO, 0, reinterpret_cast<LPARAM>(&info)) > 0) state.scrollPos = info.nPos;
    }
    return state;
}

}  // namespace e2e
