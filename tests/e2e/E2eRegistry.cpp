#include "tests/e2e/E2eRegistry.h"

#include "tests/support/RegistrySandbox.h"

namespace e2e {

namespace {

constexpr char kWineSettingsPath[] = "Software\\Wine\\AppDefaults\\setup.exe";

void readTree(HKEY key, const std::string& name, RegistrySnapshot& into) {
    RegistryValues& values = into[name];
    char valueName[16384];
    for (DWORD i = 0;; ++i) {
        DWORD nameSize = sizeof valueName, type = 0, dataSize = 0;
        if (RegEnumValueA(key, i, valueName, &nameSize, nullptr, &type, nullptr, &dataSize) != ERROR_SUCCESS) break;
        std::vector<unsigned char> data(dataSize);
        nameSize = sizeof valueName;
        RegEnumValueA(key, i, valueName, &nameSize, nullptr, &type, data.data(), &dataSize);
        values[std::string(valueName, nameSize)] = {type, data};
    }
    char subkeyName[256];
    for (DWORD i = 0;; ++i) {
        DWORD nameSize = sizeof subkeyName;
        if (RegEnumKeyExA(key, i, subkeyName, &nameSize, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        HKEY subkey = nullptr;
        if (RegOpenKeyExA(key, subkeyName, 0, KEY_READ, &subkey) != ERROR_SUCCESS) continue;
        readTree(subkey, name.empty() ? subkeyName : name + "\\" + subkeyName, into);
        RegCloseKey(subkey);
    }
}

}  // namespace

void clearWizardState() {
    reg::deleteTree(HKEY_CURRENT_USER, kMenuExtPath);
    reg::deleteTree(HKEY_LOCAL_MACHINE, kSourceViewerPath);
    reg::deleteTree(HKEY_LOCAL_MACHINE, kMakerPath);
    reg::deleteTree(HKEY_CURRENT_USER, kWineSettingsPath);
}

std::string menuEntryPath(const std::string& caption) { return std::string(kMenuExtPath) + "\\" + caption; }

LONG addMenuEntry(const std::string& caption, const std::string& address, unsigned char contexts) {
    const LONG status = reg::setString(HKEY_CURRENT_USER, menuEntryPath(caption), "", address);
    return status != ERROR_SUCCESS ? status : reg::setByte(HKEY_CURRENT_USER, menuEntryPath(caption), "contexts", contexts);
}

LONG setSourceViewer(const std::string& programPath) {
    return reg::setString(HKEY_LOCAL_MACHINE, std::string(kSourceViewerPath) + "\\Editor Name", "", programPath);
}

LONG addPalimoKey() { return reg::createKey(HKEY_LOCAL_MACHINE, kPalimoPath); }

LONG setWindowsVersion(const std::string& version) {
    return reg::setString(HKEY_CURRENT_USER, kWineSettingsPath, "Version", version);
}

RegistrySnapshot snapshot(HKEY root, const std::string& path) {
    RegistrySnapshot tree;
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return tree;
    readTree(key, "", tree);
    RegCloseKey(key);
    return tree;
}

std::vector<std::string> differences(const RegistrySnapshot& before, const RegistrySnapshot& after) {
    std::vector<std::string> lines;
    for (const auto& [key, values] : before) {
        const auto now = after.find(key);
        if (now == after.end()) {
            lines.push_back("key removed: " + key);
            continue;
        }
        for (const auto& [name, value] : values) {
            const auto nowValue = now->second.find(name);
            if (nowValue == now->second.end()) lines.push_back("value removed: " + key + " : " + name);
            else if (nowValue->second != value) lines.push_back("value changed: " + key + " : " + name);
        }
        for (const auto& [name, value] : now->second)
            if (values.count(name) == 0) lines.push_back("value added: " + key + " : " + name);
    }
    for (const auto& [key, values] : after)
        if (before.count(key) == 0) lines.push_back("key added: " + key);
    return lines;
}

}  // namespace e2e
