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
    backButton.reset();
    nextButton.reset();
    cancelButton.reset();
    separatorLine.reset();
    welcomeText1.reset();
    welcomeText2.reset();
    welcomeText3.reset();
    featuresText1.reset();
    featuresText2.reset();
    xdriveCourierText.reset();
    xdriveCourierCheck.reset();
    idriveCourierText.reset();
    idriveCourierCheck.reset();
    hereOpenerText.reset();
    hereOpenerCheck.reset();
    formSentinelText.reset();
    formSentinelCheck.reset();
    targetRevealerText.reset();
    targetRevealerCheck.reset();
    remoteMarkupPeekText.reset();
    remoteMarkupPeekCheck.reset();
    crumbViewerText.reset();
    crumbViewerCheck.reset();
    markupReaderSwapText.reset();
    editorBrowseButton.reset();
    editorPathEdit.reset();
    markupReaderSwapCheck.reset();
    categoryCombo.reset();
    categoryFrame.reset();
    featurePanel.reset();
    editorPath.reset();
    paneUnwrapperText.reset();
    paneUnwrapperCheck.reset();
    upgradeText.reset();
    portalLexiconUpgradeCheck.reset();
    portalLexiconUpgradeText.reset();
    portalLexiconPlusUpgradeCheck.reset();
    portalLexiconPlusUpgradeText.reset();
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
