#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include "tests/e2e/E2eRegistry.h"
#include "tests/e2e/WizardFlowFacts.h"
#include "tests/e2e/WizardProcess.h"

// Base of the end-to-end tests: each starts and ends with nothing of the
// wizard's in the registry, and refuses to start while some other copy of
// setup.exe holds the mutex, which would spoil every result.
class WizardTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};

namespace e2e {

// Waits for the wizard's next message box, checks that it is the wizard's own
// with the given text, its caption, an icon and one OK button, and presses OK.
void answerBox(WizardProcess& setup, const char* text);

// The values of an entry exactly as the browser reads them: the address with
// its terminating NUL, and the contexts as one binary byte.
RegistryValues entryValues(const MenuEntryFact& entry);

}  // namespace e2e
