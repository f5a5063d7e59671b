#pragma once

#include <windows.h>

#include <map>
#include <string>

#include "tools/driver/WizardFacts.h"

// The registry as the tests prepare and inspect it, written with the system's
// calls directly rather than through the product's key class. The paths are
// the tools' (tools/driver/WizardFacts.h).
namespace reg {

// A value's type and its bytes.
using Value = std::pair<DWORD, std::string>;
using Values = std::map<std::string, Value>;
// Every key below a root by its path, the root itself as "".
using Tree = std::map<std::string, Values>;

inline std::string menuKey(const std::string& caption) { return std::string(driver::kMenuExtPath) + "\\" + caption; }
// REG_SZ with its terminator; REG_BINARY, one byte.
inline Value text(const std::string& text) { return {REG_SZ, std::string(text.c_str(), text.size() + 1)}; }
inline Value byte(unsigned char value) { return {REG_BINARY, std::string(1, char(value))}; }

LONG create(HKEY root, const std::string& path);
// The key's values in tree, the key made with its parents where missing, as
// the registry would make them.
Values& add(Tree& tree, const std::string& key);
LONG set(HKEY root, const std::string& path, const std::string& name, const Value& value);
// The keys below path, by their path below it; a key the user may not read
// is left out with everything below it.
Tree read(HKEY root, const std::string& path = "");

}  // namespace reg

// Redirects HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE of this process to two
// empty scratch keys while it lives.
class RegistrySandbox {
public:
    RegistrySandbox();
    ~RegistrySandbox();
    RegistrySandbox(const RegistrySandbox&) = delete;
    RegistrySandbox& operator=(const RegistrySandbox&) = delete;

private:
    std::string scratch;
    HKEY user = nullptr, machine = nullptr;
};

// A mark of the handles open in the process: a key or other handle left open
// anywhere in it makes the mark another one.
DWORD_PTR handleMark();
