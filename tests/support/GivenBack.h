#pragma once

#include <gtest/gtest.h>

#include "tests/support/WizardHost.h"

// What a wizard must give back once it is gone, whether a test made it in
// process or the program's entry ran it: the fonts of its controls, read
// while it was up, and every handle opened since the handles' mark was taken
// (0: none counted).
inline std::vector<HGDIOBJ> controlFonts(HWND dialog) {
    std::vector<HGDIOBJ> fonts;
    for (HWND child : children(dialog)) fonts.push_back((HGDIOBJ)SendMessageA(child, WM_GETFONT, 0, 0));
    return fonts;
}

inline void expectGivenBack(const std::vector<HGDIOBJ>& fonts, DWORD_PTR handles) {
    for (HGDIOBJ font : fonts) EXPECT_EQ(0u, GetObjectType(font)) << "a control's font outlived the wizard";
    if (handles != 0) EXPECT_EQ(handles, handleMark()) << "a handle was left open";
}
