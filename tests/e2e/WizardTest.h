#pragma once

#include <gtest/gtest.h>
#include <windows.h>

// Base of the end-to-end tests: each starts and ends with nothing of the
// wizard's in the registry, and refuses to start while some other copy of
// setup.exe holds the mutex, which would spoil every result.
class WizardTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};

// A window of the test program put in the foreground, so that a test can
// see another window being brought forward.
class DecoyWindow {
public:
    DecoyWindow();
    ~DecoyWindow();

    DecoyWindow(const DecoyWindow&) = delete;
    DecoyWindow& operator=(const DecoyWindow&) = delete;

    bool inFront() const { return GetForegroundWindow() == window; }

private:
    HWND window = nullptr;
};
