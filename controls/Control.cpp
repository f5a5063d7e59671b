#include "controls/Control.h"

#include <cstring>

#include "controls/ControlFont.h"

Control::Control(HWND parent, HINSTANCE instance)
    : window(nullptr), parent(parent), instance(instance), font(nullptr), x(0), y(0), width(0), height(0),
      visible(false), style(0), exStyle(0) {}

// The window itself went with the dialog; the font is no longer selected into
// anything by then, so it can go with the object.
Control::~Control() {
    if (font != nullptr) DeleteObject(font);
}

void Control::setClassName(const char* name) {
    if (className) return;
    const size_t size = std::strlen(name) + 1;
    className.reset(new char[size]);
    std::memcpy(className.get(), name, size);
}

BOOL Control::move(int newX, int newY) {
    x = newX;
    y = newY;
    return MoveWindow(window, x, y, width, height, TRUE);
}

BOOL Control::resize(int newWidth, int newHeight) {
    width = newWidth;
    height = newHeight;
    return MoveWindow(window, x, y, width, height, TRUE);
}

bool Control::create(const char* text, int id) {
    window = CreateWindowExA(exStyle, className.get(), text, style | WS_CHILD, x, y, width, height, parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    if (window == nullptr) return false;
    createFont();
    // No redraw: the window is still hidden.
    send(WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
    return true;
}

BOOL Control::show(bool makeVisible) {
    const BOOL wasVisible = ShowWindow(window, makeVisible ? SW_SHOW : SW_HIDE);
    visible = makeVisible;
    return wasVisible;
}

BOOL Control::enable(bool enabled) { return EnableWindow(window, enabled ? TRUE : FALSE); }

HWND Control::focus() { return SetFocus(window); }

LRESULT Control::send(UINT message, WPARAM wParam, LPARAM lParam) {
    return SendMessageA(window, message, wParam, lParam);
}

HFONT Control::createFont() {
    font = CreateFontA(kControlFontHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                       OUT_TT_ONLY_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                       kControlFontFace);
    return font;
}
