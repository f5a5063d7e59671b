#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Redirects HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE of this process to two
// fresh scratch keys while the object lives, so that every test starts from an
// empty registry and leaves nothing behind.
class RegistrySandbox {
public:
    RegistrySandbox();
    ~RegistrySandbox();

    RegistrySandbox(const RegistrySandbox&) = delete;
    RegistrySandbox& operator=(const RegistrySandbox&) = delete;

private:
    std::string scratchPath;
    HKEY currentUser = nullptr;
    HKEY localMachine = nullptr;
};

// Small direct registry helpers for preparing and inspecting test states.
namespace reg {

struct Value {
    DWORD type = 0;
    std::vector<unsigned char> data;
    std::string text() const;  // the data up to the first NUL
};

// Creates the key where it is missing and leaves it open in *key.
LONG openKey(HKEY root, const std::string& path, HKEY* key, DWORD options = REG_OPTION_NON_VOLATILE);
LONG createKey(HKEY root, const std::string& path, DWORD options = REG_OPTION_NON_VOLATILE);
LONG createVolatileKey(HKEY root, const std::string& path);
bool keyExists(HKEY root, const std::string& path);
LONG setValue(HKEY root, const std::string& path, const std::string& name, DWORD type, const void* data, DWORD size);
LONG setString(HKEY root, const std::string& path, const std::string& name, const std::string& text);
LONG setByte(HKEY root, const std::string& path, const std::string& name, unsigned char byte);
Value readValue(HKEY root, const std::string& path, const std::string& name);
std::vector<std::string> subkeys(HKEY root, const std::string& path);
LONG deleteTree(HKEY root, const std::string& path);

}  // namespace reg
