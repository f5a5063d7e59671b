#include "tests/support/WizardHost.h"

#include <gtest/gtest.h>

#include "app/WizardDialog.h"
#include "resources/resource.h"

WizardHost::WizardHost() : wizardObject(new SetupWizard(GetModuleHandleA(nullptr))) {}

WizardHost::~WizardHost() {
    if (dialogWindow != nullptr) DestroyWindow(dialogWindow);
    pumpMessages();
}

void WizardHost::open() {
    activeWizard = wizardObject.get();
    dialogWindow = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_WIZARD), nullptr,
                                      wizardDialogProc, 0);
    ASSERT_NE(nullptr, dialogWindow) << "error " << GetLastError();
    pumpMessages();
}

ChildState WizardHost::read(int id) const {
    HWND child = control(id);
    EXPECT_NE(nullptr, child) << "no control " << id;
    return child != nullptr ? readChild(child) : ChildState{};
}

bool WizardHost::ticked(int id) const { return SendMessageA(control(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void WizardHost::click(int id) {
    HWND button = control(id);
    ASSERT_NE(nullptr, button) << "no control " << id;
    SendMessageA(button, BM_CLICK, 0, 0);
    pumpMessages();
}

namespace menu {

static const char* const kMenuExt = "Software\\Microsoft\\Internet Explorer\\MenuExt\\";
const char* const kEditorName = "SOFTWARE\\Microsoft\\Internet Explorer\\View Source Editor\\Editor Name";

std::string keyOf(const std::string& caption) { return kMenuExt + caption; }

void install(const std::string& caption, const std::string& address, unsigned char contexts) {
    ASSERT_EQ(ERROR_SUCCESS, reg::setString(HKEY_CURRENT_USER, keyOf(caption), "", address));
    ASSERT_EQ(ERROR_SUCCESS, reg::setByte(HKEY_CURRENT_USER, keyOf(caption), "contexts", contexts));
}

bool installed(const std::string& caption) { return reg::keyExists(HKEY_CURRENT_USER, keyOf(caption)); }

void setEditor(const std::string& path) {
    ASSERT_EQ(ERROR_SUCCESS, reg::setString(HKEY_LOCAL_MACHINE, kEditorName, "", path));
}

}  // namespace menu
