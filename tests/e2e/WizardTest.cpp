#include "tests/e2e/WizardTest.h"

#include "tests/e2e/E2eRegistry.h"
#include "tests/e2e/WizardFacts.h"
#include "tests/support/TestWindow.h"

void WizardTest::SetUp() {
    e2e::clearWizardState();
    HANDLE mutex = OpenMutexA(SYNCHRONIZE, FALSE, e2e::kMutexName);
    if (mutex != nullptr) CloseHandle(mutex);
    ASSERT_EQ(nullptr, mutex) << "another setup.exe is running";
}

void WizardTest::TearDown() { e2e::clearWizardState(); }

DecoyWindow::DecoyWindow() {
    window = CreateWindowExA(0, "STATIC", "decoy", WS_POPUP | WS_VISIBLE, 0, 0, 40, 40, nullptr, nullptr, nullptr,
                             nullptr);
    SetForegroundWindow(window);
    pumpMessages();
}

DecoyWindow::~DecoyWindow() {
    DestroyWindow(window);
    pumpMessages();
}
