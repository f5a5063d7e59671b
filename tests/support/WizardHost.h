#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "app/SetupWizard.h"
#include "tests/support/MessageBoxRecorder.h"
#include "tests/support/RegistrySandbox.h"
#include "tests/support/TestWindow.h"

// The wizard in this process, on its own dialog from the program's template,
// against a sandboxed registry and with its message boxes recorded. Prepare
// the registry before calling open().
class WizardHost {
public:
    WizardHost();
    ~WizardHost();

    void open();

    SetupWizard& wizard() { return *wizardObject; }
    HWND dialog() const { return dialogWindow; }
    HWND control(int id) const { return GetDlgItem(dialogWindow, id); }
    ChildState read(int id) const;
    bool exists(int id) const { return control(id) != nullptr; }
    bool ticked(int id) const;

    // What a user does: the command reaches the wizard as from the window.
    void click(int id);

    RegistrySandbox registry;
    MessageBoxRecorder messageBoxes;

private:
    std::unique_ptr<SetupWizard> wizardObject;
    HWND dialogWindow = nullptr;
};

// Registry helpers in the wizard's own terms.
namespace menu {

extern const char* const kEditorName;  // the source viewer's key, below HKEY_LOCAL_MACHINE
std::string keyOf(const std::string& caption);
void install(const std::string& caption, const std::string& address, unsigned char contexts);
bool installed(const std::string& caption);
void setEditor(const std::string& path);

}  // namespace menu
