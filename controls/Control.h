#pragma once

#include <windows.h>

#include <memory>

// Base of every child window the wizard places on its dialog. The subclass
// constructor fixes the window class and style; the owner places the control
// and then creates its window, which always starts hidden.
class Control {
public:
    Control(HWND parent, HINSTANCE instance);
    virtual ~Control();

    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    // Keeps the first name given; later calls change nothing.
    void setClassName(const char* name);
    // The owner may set the extended style between construction and create.
    void setExStyle(DWORD bits) { exStyle = bits; }

    // Both record the rectangle first, so before create they only record it
    // (and return false); create then makes the window exactly there.
    BOOL move(int newX, int newY);
    BOOL resize(int newWidth, int newHeight);

    bool create(const char* text, int id);

    BOOL show(bool makeVisible);
    BOOL enable(bool enabled);
    HWND focus();

    HWND handle() const { return window; }

protected:
    HWND window;
    HWND parent;
    HINSTANCE instance;
    HFONT font;
    std::unique_ptr<char[]> className;
    int x;
    int y;
    int width;
    int height;
    bool visible;
    DWORD style;
    DWORD exStyle;

    LRESULT send(UINT message, WPARAM wParam, LPARAM lParam);

private:
    HFONT createFont();
};
