#include "app/SetupWizard.h"

#include "controls/CheckBox.h"
#include "controls/ComboBox.h"
#include "controls/EditBox.h"
#include "controls/FeatureListPanel.h"
#include "controls/GroupBox.h"
#include "controls/PushButton.h"
#include "controls/StaticText.h"
#include "resources/ProductNames.h"
#include "resources/resource.h"

SetupWizard::SetupWizard(HINSTANCE instance) : instance(instance) {}

// The windows went with the dialog; only the objects are left to delete. The
// order is the one the wizard has always freed them in; it fixes no more than
// the sequence of the fonts' DeleteObject calls and of the frees, since none
// of these objects uses another once the windows are gone.
SetupWizard::~SetupWizard() {
    delete backButton;
    delete nextButton;
    delete cancelButton;
    delete separatorLine;
    delete welcomeText1;
    delete welcomeText2;
    delete welcomeText3;
    delete featuresText1;
    delete featuresText2;
    delete xdriveCourierText;
    delete xdriveCourierCheck;
    delete idriveCourierText;
    delete idriveCourierCheck;
    delete hereOpenerText;
    delete hereOpenerCheck;
    delete formSentinelText;
    delete formSentinelCheck;
    delete targetRevealerText;
    delete targetRevealerCheck;
    delete remoteMarkupPeekText;
    delete remoteMarkupPeekCheck;
    delete crumbViewerText;
    delete crumbViewerCheck;
    delete markupReaderSwapText;
    delete editorBrowseButton;
    delete editorPathEdit;
    delete markupReaderSwapCheck;
    delete categoryCombo;
    delete categoryFrame;
    delete featurePanel;
    editorPath.reset();
    delete paneUnwrapperText;
    delete paneUnwrapperCheck;
    delete upgradeText;
    delete portalLexiconUpgradeCheck;
    delete portalLexiconUpgradeText;
    delete portalLexiconPlusUpgradeCheck;
    delete portalLexiconPlusUpgradeText;
}

int SetupWizard::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM) {
    dialogWindow = window;
    switch (message) {
    case WM_INITDIALOG:
        initDialog();
        return 1;
    case WM_COMMAND:
        return onCommand(LOWORD(wParam), HIWORD(wParam));
    case WM_VSCROLL:
        onScroll(LOWORD(wParam), static_cast<short>(HIWORD(wParam)));
        return 0;
    default:
        return 0;
    }
}

void SetupWizard::initDialog() {
    SetClassLongPtrA(dialogWindow, GCLP_HICON,
                     reinterpret_cast<LONG_PTR>(LoadIconA(instance, MAKEINTRESOURCEA(IDI_KELVARA))));
    page = 0;
    xdriveOldCaptions = false;
    // Everything the controls show is known before the first one is made.
    detectInstalledFeatures();
    readSourceViewerSetting();
    createPageControls();
    createFeaturePanel();
    createCategoryControls();
    if (portalLexiconOutdated || portalLexiconPlusOutdated) createUpgradeControls();
}

int SetupWizard::messageBox(const char* text, UINT icon) {
    return MessageBoxA(dialogWindow, text, KELVARA_MESSAGE_CAPTION, MB_OK | icon | MB_TOPMOST);
}
