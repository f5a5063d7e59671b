#include "tests/support/RegistrySandbox.h"

#include <gtest/gtest.h>

RegistrySandbox::RegistrySandbox() {
    static int serial = 0;
    scratchPath = "Software\\KelvaraTests\\" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++serial);
    EXPECT_EQ(ERROR_SUCCESS, reg::openKey(HKEY_CURRENT_USER, scratchPath + "\\HKCU", &currentUser));
    EXPECT_EQ(ERROR_SUCCESS, reg::openKey(HKEY_CURRENT_USER, scratchPath + "\\HKLM", &localMachine));
    EXPECT_EQ(ERROR_SUCCESS, RegOverridePredefKey(HKEY_CURRENT_USER, currentUser));
    EXPECT_EQ(ERROR_SUCCESS, RegOverridePredefKey(HKEY_LOCAL_MACHINE, localMachine));
}

RegistrySandbox::~RegistrySandbox() {
    RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    RegCloseKey(localMachine);
    RegCloseKey(currentUser);
    RegDeleteTreeA(HKEY_CURRENT_USER, scratchPath.c_str());
}

namespace reg {

std::string Value::text() const {
    std::string result(data.begin(), data.end());
    return result.substr(0, result.find('\0'));
}

LONG openKey(HKEY root, const std::string& path, HKEY* key, DWORD options) {
    return RegCreateKeyExA(root, path.c_str(), 0, nullptr, options, KEY_ALL_ACCESS, nullptr, key, nullptr);
}

LONG createKey(HKEY root, const std::string& path, DWORD options) {
    HKEY key = nullptr;
    const LONG status = openKey(root, path, &key, options);
    if (status == ERROR_SUCCESS) RegCloseKey(key);
    return status;
}

LONG createVolatileKey(HKEY root, const std::string& path) { return createKey(root, path, REG_OPTION_VOLATILE); }

bool keyExists(HKEY root, const std::string& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

LONG setValue(HKEY root, const std::string& path, const std::string& name, DWORD type, const void* data, DWORD size) {
    HKEY key = nullptr;
    LONG status = openKey(root, path, &key);
    if (status != ERROR_SUCCESS) return status;
    status = RegSetValueExA(key, name.c_str(), 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
    return status;
}

LONG setString(HKEY root, const std::string& path, const std::string& name, const std::string& text) {
    return setValue(root, path, name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
}

LONG setByte(HKEY root, const std::string& path, const std::string& name, unsigned char byte) {
    return setValue(root, path, name, REG_BINARY, &byte, 1);
}

Value readValue(HKEY root, const std::string& path, const std::string& name) {
    Value value;
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return value;
    DWORD size = 0;
    if (RegQueryValueExA(key, name.c_str(), nullptr, &value.type, nullptr, &size) == ERROR_SUCCESS) {
        value.data.resize(size);
        if (RegQueryValueExA(key, name.c_str(), nullptr, &value.type, value.data.data(), &size) != ERROR_SUCCESS)
            size = 0;
        value.data.resize(size);
    }
    RegCloseKey(key);
    return value;
}

std::vector<std::string> subkeys(HKEY root, const std::string& path) {
    std::vector<std::string> found;
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return found;
    char name[512];
    for (DWORD i = 0;; ++i) {
        DWORD size = sizeof name;
        if (RegEnumKeyExA(key, i, name, &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        found.emplace_back(name, size);
    }
    RegCloseKey(key);
    return found;
}

LONG deleteTree(HKEY root, const std::string& path) { return RegDeleteTreeA(root, path.c_str()); }

}  // namespace reg
