#include "tests/support/Registry.h"

#include <gtest/gtest.h>

namespace reg {

namespace {

// Opened, or made, for one helper and closed again.
struct Key {
    HKEY handle = nullptr;
    LONG status;
    Key(HKEY root, const std::string& path, REGSAM access)
        : status(RegOpenKeyExA(root, path.c_str(), 0, access, &handle)) {}
    Key(HKEY root, const std::string& path)
        : status(RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &handle, nullptr)) {}
    ~Key() { if (handle != nullptr) RegCloseKey(handle); }
};

void readInto(HKEY key, const std::string& path, Tree& tree) {
    Values& values = tree[path];
    // Each value in one call: the tests' values are far smaller than this.
    char name[1024];
    unsigned char data[4096];
    DWORD nameSize = sizeof name, type = 0, size = sizeof data;
    for (DWORD i = 0; RegEnumValueA(key, i, name, &nameSize, nullptr, &type, data, &size) == ERROR_SUCCESS; ++i) {
        values[std::string(name, nameSize)] = {type, std::string(reinterpret_cast<char*>(data), size)};
        nameSize = sizeof name, size = sizeof data;
    }
    for (DWORD i = 0; nameSize = sizeof name, RegEnumKeyExA(key, i, name, &nameSize, 0, 0, 0, 0) == 0; ++i) {
        const Key subkey(key, name, KEY_READ);
        if (subkey.status == ERROR_SUCCESS) readInto(subkey.handle, path.empty() ? name : path + "\\" + name, tree);
    }
}

}  // namespace

LONG create(HKEY root, const std::string& path) { return Key(root, path).status; }

// A caption's double-byte characters may end in the byte of a backslash.
Values& add(Tree& tree, const std::string& key) {
    tree[""];
    for (size_t i = 0; i < key.size(); i += IsDBCSLeadByte(static_cast<BYTE>(key[i])) ? 2 : 1)
        if (key[i] == '\\') tree[key.substr(0, i)];
    return tree[key];
}

LONG set(HKEY root, const std::string& path, const std::string& name, const Value& value) {
    const Key key(root, path);
    const auto size = static_cast<DWORD>(value.second.size());
    if (key.status != ERROR_SUCCESS) return key.status;
    return RegSetValueExA(key.handle, name.c_str(), 0, value.first, reinterpret_cast<const BYTE*>(value.second.data()), size);
}

Tree read(HKEY root, const std::string& path) {
    Tree tree;
    const Key key(root, path, KEY_READ);
    if (key.status == ERROR_SUCCESS) readInto(key.handle, "", tree);
    return tree;
}

}  // namespace reg

RegistrySandbox::RegistrySandbox() {
    static int serial = 0;
    // A killed run leaves its keys behind, and process ids come round again.
    scratch = "Software\\KelvaraTests\\" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(GetTickCount()) +
              "-" + std::to_string(++serial);
    // Both made before either root is redirected.
    EXPECT_EQ(ERROR_SUCCESS, RegCreateKeyA(HKEY_CURRENT_USER, (scratch + "\\HKCU").c_str(), &user));
    EXPECT_EQ(ERROR_SUCCESS, RegCreateKeyA(HKEY_CURRENT_USER, (scratch + "\\HKLM").c_str(), &machine));
    EXPECT_EQ(ERROR_SUCCESS, RegOverridePredefKey(HKEY_CURRENT_USER, user));
    EXPECT_EQ(ERROR_SUCCESS, RegOverridePredefKey(HKEY_LOCAL_MACHINE, machine));
}

RegistrySandbox::~RegistrySandbox() {
    RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    RegCloseKey(machine);
    RegCloseKey(user);
    // Deepest first, a key's subkeys sorting after it: the NT family refuses
    // to delete a key that has subkeys, and RegDeleteTreeA, which would, came
    // only with Vista.
    const reg::Tree keys = reg::read(HKEY_CURRENT_USER, scratch);
    for (auto key = keys.rbegin(); key != keys.rend(); ++key)
        EXPECT_EQ(0, RegDeleteKeyA(HKEY_CURRENT_USER, (scratch + (key->first.empty() ? "" : "\\") + key->first).c_str()));
}

// The process's handle count, where the system keeps one. Wine answers 0,
// but gives handles out lowest first, registry keys sharing the table with
// the kernel's objects: there the handle it would give out next shows a
// handle left open below it. A named one, so that the directory Wine opens
// for the first named object of a process is open before the first mark.
DWORD_PTR handleMark() {
    DWORD count = 0;
    if (GetProcessHandleCount(GetCurrentProcess(), &count) && count != 0) return count;
    const HANDLE probe = CreateEventA(nullptr, FALSE, FALSE, "KelvaraHandleProbe");
    CloseHandle(probe);
    return reinterpret_cast<DWORD_PTR>(probe);
}
