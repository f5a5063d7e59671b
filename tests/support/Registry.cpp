#include "tests/support/Registry.h"

#include <gtest/gtest.h>
#include <sddl.h>

namespace reg {

void PrintTo(const Value& value, std::ostream* out) {
    *out << "type " << value.type << " \"" << std::string(value.data.begin(), value.data.end()) << "\"";
}

std::string menuKey(const std::string& caption) { return std::string(kMenuExt) + "\\" + caption; }

Value text(const std::string& text) { return {REG_SZ, {text.c_str(), text.c_str() + text.size() + 1}}; }

Value byte(unsigned char value) { return {REG_BINARY, {value}}; }

LONG create(HKEY root, const std::string& path, DWORD options) {
    HKEY key = nullptr;
    const LONG status =
        RegCreateKeyExA(root, path.c_str(), 0, nullptr, options, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    if (status == ERROR_SUCCESS) RegCloseKey(key);
    return status;
}

LONG set(HKEY root, const std::string& path, const std::string& name, const Value& value) {
    HKEY key = nullptr;
    LONG status = RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    if (status != ERROR_SUCCESS) return status;
    status = RegSetValueExA(key, name.c_str(), 0, value.type, value.data.data(), static_cast<DWORD>(value.data.size()));
    RegCloseKey(key);
    return status;
}

void addEntry(const std::string& caption, const std::string& address, unsigned char contexts) {
    EXPECT_EQ(ERROR_SUCCESS, set(HKEY_CURRENT_USER, menuKey(caption), "", text(address)));
    EXPECT_EQ(ERROR_SUCCESS, set(HKEY_CURRENT_USER, menuKey(caption), "contexts", byte(contexts)));
}

bool exists(HKEY root, const std::string& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

static void readInto(HKEY key, const std::string& path, Tree& tree) {
    Values& values = tree[path];
    char name[1024];
    for (DWORD i = 0;; ++i) {
        DWORD nameSize = sizeof name, type = 0, size = 0;
        if (RegEnumValueA(key, i, name, &nameSize, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) break;
        Value& value = values[std::string(name, nameSize)];
        value.type = type;
        value.data.resize(size);
        nameSize = sizeof name;
        RegEnumValueA(key, i, name, &nameSize, nullptr, nullptr, value.data.data(), &size);
    }
    for (DWORD i = 0;; ++i) {
        DWORD nameSize = sizeof name;
        if (RegEnumKeyExA(key, i, name, &nameSize, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        HKEY subkey = nullptr;
        if (RegOpenKeyExA(key, name, 0, KEY_READ, &subkey) != ERROR_SUCCESS) continue;
        readInto(subkey, path.empty() ? name : path + "\\" + name, tree);
        RegCloseKey(subkey);
    }
}

Tree read(HKEY root, const std::string& path) {
    Tree tree;
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return tree;
    readInto(key, "", tree);
    RegCloseKey(key);
    return tree;
}

static LONG protect(HKEY root, const std::string& path, const char* descriptorText) {
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorA(descriptorText, SDDL_REVISION_1, &descriptor, nullptr))
        return static_cast<LONG>(GetLastError());
    HKEY key = nullptr;
    LONG status = RegOpenKeyExA(root, path.c_str(), 0, WRITE_DAC | WRITE_OWNER, &key);
    if (status == ERROR_SUCCESS) {
        status = RegSetKeySecurity(key, OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION, descriptor);
        RegCloseKey(key);
    }
    LocalFree(descriptor);
    return status;
}

// Wine lets the owner of a key do anything whatever the rules say, hence the
// change of owner. The rights to change the rules again are kept.
LONG lock(HKEY root, const std::string& path) { return protect(root, path, "O:SYD:P(A;;0xE0019;;;WD)"); }

LONG unlock(HKEY root, const std::string& path) { return protect(root, path, "O:SYD:P(A;;KA;;;WD)"); }

}  // namespace reg

RegistrySandbox::RegistrySandbox() {
    static int serial = 0;
    scratch = "Software\\KelvaraTests\\" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++serial);
    const auto open = [&](const char* name, HKEY* key) {
        EXPECT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, (scratch + name).c_str(), 0, nullptr, 0,
                                                 KEY_ALL_ACCESS, nullptr, key, nullptr));
    };
    open("\\HKCU", &user);
    open("\\HKLM", &machine);
    EXPECT_EQ(ERROR_SUCCESS, RegOverridePredefKey(HKEY_CURRENT_USER, user));
    EXPECT_EQ(ERROR_SUCCESS, RegOverridePredefKey(HKEY_LOCAL_MACHINE, machine));
}

RegistrySandbox::~RegistrySandbox() {
    RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    RegCloseKey(machine);
    RegCloseKey(user);
    RegDeleteTreeA(HKEY_CURRENT_USER, scratch.c_str());
}

// Handles are given out lowest first, so a probe shows whether one below it
// is still in use.
HKEY nextRegistryHandle() {
    HKEY probe = nullptr;
    RegOpenKeyExA(HKEY_CURRENT_USER, "", 0, KEY_READ, &probe);
    RegCloseKey(probe);
    return probe;
}
