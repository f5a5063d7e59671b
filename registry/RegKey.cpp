#include "registry/RegKey.h"

#include <cstring>

namespace {

// Enough to read a value, write one and walk the subkeys.
constexpr REGSAM kWritableAccess = KEY_QUERY_VALUE | KEY_SET_VALUE | KEY_ENUMERATE_SUB_KEYS;

}  // namespace

RegKey::RegKey() : RegKey(HKEY_CURRENT_USER) {}

RegKey::RegKey(HKEY root) : handle(nullptr), root(root) {}

// The root is a predefined key and is never closed.
RegKey::~RegKey() { close(); }

const char* RegKey::setPath(const char* newPath) {
    const size_t size = std::strlen(newPath) + 1;
    path.reset(new char[size]);
    std::memcpy(path.get(), newPath, size);
    return path.get();
}

void RegKey::close() {
    if (handle != nullptr) RegCloseKey(handle);
    handle = nullptr;
}

LONG RegKey::openKey(bool writable) {
    close();
    HKEY opened = nullptr;
    const LONG status = RegOpenKeyExA(root, path.get(), 0, writable ? kWritableAccess : KEY_QUERY_VALUE, &opened);
    if (status == ERROR_SUCCESS) handle = opened;
    return status;
}

LONG RegKey::createKey(bool& created) {
    close();
    HKEY opened = nullptr;
    DWORD disposition = 0;
    const LONG status = RegCreateKeyExA(root, path.get(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr,
                                        &opened, &disposition);
    if (status == ERROR_SUCCESS) handle = opened;
    created = status == ERROR_SUCCESS && disposition == REG_CREATED_NEW_KEY;
    return status;
}

// The 95 family deletes a key together with all its subkeys, the NT family
// refuses. The keys the wizard deletes can hold other programs' subkeys, so
// both families refuse alike, before anything is deleted. A key that cannot
// even be looked into is refused too, with the open's own status: the open
// may have failed for want of resources while the key holds subkeys, which
// the 95 family's delete would take along. An absent key fails here as the
// delete itself would.
LONG RegKey::deleteKey() {
    HKEY probe = nullptr;
    const LONG opened = RegOpenKeyExA(root, path.get(), 0, KEY_ENUMERATE_SUB_KEYS, &probe);
    if (opened != ERROR_SUCCESS) return opened;
    // Too small for any name: every answer but "no more" means a subkey.
    char name[1];
    DWORD size = sizeof name;
    const LONG first = RegEnumKeyExA(probe, 0, name, &size, nullptr, nullptr, nullptr, nullptr);
    RegCloseKey(probe);
    if (first != ERROR_NO_MORE_ITEMS) return ERROR_ACCESS_DENIED;
    return RegDeleteKeyA(root, path.get());
}

LONG RegKey::queryValueSize(const char* name, DWORD* type, DWORD* size) {
    return RegQueryValueExA(handle, name, nullptr, type, nullptr, size);
}

LONG RegKey::queryValue(const char* name, DWORD* type, BYTE* data, DWORD* size) {
    return RegQueryValueExA(handle, name, nullptr, type, data, size);
}

LONG RegKey::setValue(const char* name, const DWORD* type, const BYTE* data, const DWORD* size) {
    return RegSetValueExA(handle, name, 0, *type, data, *size);
}

// Stored values are compared as bytes, not as text: a contexts mask or any
// binary value may hold a zero byte before the bytes that differ.
bool RegKey::valueEquals(const char* name, const DWORD* type, const BYTE* data, const DWORD* size) {
    BYTE stored[kCompareLimit];
    DWORD storedType = 0;
    DWORD storedSize = sizeof stored;
    if (RegQueryValueExA(handle, name, nullptr, &storedType, stored, &storedSize) != ERROR_SUCCESS) return false;
    return storedType == *type && storedSize == *size && std::memcmp(stored, data, storedSize) == 0;
}

bool RegKey::exists() {
    HKEY probe = nullptr;
    if (RegOpenKeyExA(root, path.get(), 0, KEY_READ, &probe) != ERROR_SUCCESS) return false;
    RegCloseKey(probe);
    return true;
}

bool RegKey::isEmpty() {
    HKEY probe = nullptr;
    if (RegOpenKeyExA(root, path.get(), 0, KEY_QUERY_VALUE, &probe) != ERROR_SUCCESS) return false;
    DWORD subkeys = 0;
    DWORD values = 0;
    const LONG status = RegQueryInfoKeyA(probe, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values,
                                         nullptr, nullptr, nullptr, nullptr);
    RegCloseKey(probe);
    return status == ERROR_SUCCESS && subkeys == 0 && values == 0;
}
