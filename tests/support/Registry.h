#pragma once

#include <windows.h>

#include <map>
#include <ostream>
#include <string>
#include <vector>

// The registry as the tests prepare and inspect it, written with the system's
// calls directly rather than through the product's key class.
namespace reg {

struct Value {
    DWORD type = REG_NONE;
    std::vector<unsigned char> data;
    bool operator==(const Value& other) const { return type == other.type && data == other.data; }
};
void PrintTo(const Value& value, std::ostream* out);
using Values = std::map<std::string, Value>;
// Every key below a root by its path, the root itself as "".
using Tree = std::map<std::string, Values>;

inline constexpr char kMenuExt[] = "Software\\Microsoft\\Internet Explorer\\MenuExt";
inline constexpr char kViewSource[] = "SOFTWARE\\Microsoft\\Internet Explorer\\View Source Editor";
inline constexpr char kEditorName[] = "SOFTWARE\\Microsoft\\Internet Explorer\\View Source Editor\\Editor Name";
inline constexpr char kPalimo[] = "Software\\Quorvin\\Palimo\\HTML Editor";
inline constexpr char kScriptBase[] = "http://www.example.com/iekelvara/";

std::string menuKey(const std::string& caption);
Value text(const std::string& text);  // REG_SZ with its terminator
Value byte(unsigned char value);      // REG_BINARY, one byte

LONG create(HKEY root, const std::string& path, DWORD options = REG_OPTION_NON_VOLATILE);
LONG set(HKEY root, const std::string& path, const std::string& name, const Value& value);
// The keys below path, by their path below it.
Tree read(HKEY root, const std::string& path = "");
// Hands the key to the system with read access for everyone, as a machine key
// is to a user without administrator rights; unlock gives it back.
LONG lock(HKEY root, const std::string& path);
LONG unlock(HKEY root, const std::string& path);

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
    HKEY user = nullptr;
    HKEY machine = nullptr;
};

// The handle the system would give out next. A key or other handle left open
// anywhere in the process makes it another one.
HANDLE nextFreeHandle();
