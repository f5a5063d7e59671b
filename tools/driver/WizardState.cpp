#include "tools/driver/WizardState.h"

#include "tools/driver/WizardFacts.h"

namespace driver {

namespace {

constexpr char kMakerPath[] = "Software\\Quorvin";
constexpr char kWineSettingsPath[] = "Software\\Wine\\AppDefaults\\setup.exe";

// Creates the key where it is missing.
LONG setValue(HKEY root, const std::string& path, const char* name, DWORD type, const void* data, DWORD size) {
    HKEY key = nullptr;
    LONG status = RegCreateKeyExA(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                                  &key, nullptr);
    if (status != ERROR_SUCCESS) return status;
    status = RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
    return status;
}

LONG setString(HKEY root, const std::string& path, const char* name, const std::string& text) {
    return setValue(root, path, name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
}

}  // namespace

void clearWizardState() {
    RegDeleteTreeA(HKEY_CURRENT_USER, kMenuExtPath);
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, kSourceViewerPath);
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, kMakerPath);
    RegDeleteTreeA(HKEY_CURRENT_USER, kWineSettingsPath);
}

LONG addMenuEntry(const std::string& caption, const std::string& address, unsigned char contexts) {
    const std::string path = std::string(kMenuExtPath) + "\\" + caption;
    const LONG status = setString(HKEY_CURRENT_USER, path, "", address);
    return status != ERROR_SUCCESS ? status : setValue(HKEY_CURRENT_USER, path, "contexts", REG_BINARY, &contexts, 1);
}

LONG setSourceViewer(const std::string& programPath) {
    return setString(HKEY_LOCAL_MACHINE, kEditorNamePath, "", programPath);
}

LONG setWindowsVersion(const std::string& version) {
    return setString(HKEY_CURRENT_USER, kWineSettingsPath, "Version", version);
}

}  // namespace driver
