#include "tests/support/RegistryFaults.h"

#include <map>
#include <tuple>

#include "tests/support/ImportTable.h"

namespace {

RegistryFaults* active = nullptr;
std::map<HKEY, std::string> keyNames;  // of the keys opened while counting

enum Function { Open, Create, Query, Set, Info, Enumerate, Delete, Close, kFunctions };
const char* const kNames[] = {"RegOpenKeyExA",    "RegCreateKeyExA", "RegQueryValueExA", "RegSetValueExA",
                              "RegQueryInfoKeyA", "RegEnumKeyExA",   "RegDeleteKeyA",    "RegCloseKey"};
void* real[kFunctions];

std::string keyName(HKEY key, const char* subkey) {
    std::string name = key == HKEY_CURRENT_USER ? "HKCU" : key == HKEY_LOCAL_MACHINE ? "HKLM" : keyNames[key];
    if (subkey != nullptr && *subkey != '\0') name += std::string("\\") + subkey;
    if (!name.empty() && name.back() == '\\') name.pop_back();
    return name;
}

// Every function takes the key first; what else names the call (a path, the
// access asked for, a value's name) and where a key it opens is written
// depends on the function.
template <Function F, class... Rest>
LONG WINAPI counted(HKEY key, Rest... rest) {
    const auto call = [&] { return reinterpret_cast<LONG(WINAPI*)(HKEY, Rest...)>(real[F])(key, rest...); };
    if (!active->counting) return call();
    const auto args = std::make_tuple(rest...);
    const char* subkey = nullptr;
    std::string detail;
    HKEY* opened = nullptr;
    if constexpr (F == Open)
        subkey = std::get<0>(args), detail = std::to_string(std::get<2>(args)), opened = std::get<3>(args);
    if constexpr (F == Create) subkey = std::get<0>(args), opened = std::get<6>(args);
    if constexpr (F == Delete) subkey = std::get<0>(args);
    if constexpr (F == Query || F == Set) detail = std::get<0>(args);
    active->calls.push_back({kNames[F], keyName(key, subkey), detail});
    const bool refused = active->calls.size() - 1 == active->failing;
    const LONG status = !refused || F == Close ? call() : ERROR_SUCCESS;
    if (refused) return active->error;
    if (status == ERROR_SUCCESS && opened != nullptr) keyNames[*opened] = active->calls.back().key;
    return status;
}

// Points the function's slot at its counted form, or back.
template <Function F, class... Rest>
void divert(LONG(WINAPI* function)(HKEY, Rest...), bool on) {
    if (on) real[F] = patchImport(reinterpret_cast<void*>(function), reinterpret_cast<void*>(&counted<F, Rest...>));
    else patchImport(reinterpret_cast<void*>(&counted<F, Rest...>), real[F]);
}

void divertAll(bool on) {
    divert<Open>(&RegOpenKeyExA, on), divert<Create>(&RegCreateKeyExA, on), divert<Query>(&RegQueryValueExA, on);
    divert<Set>(&RegSetValueExA, on), divert<Info>(&RegQueryInfoKeyA, on), divert<Enumerate>(&RegEnumKeyExA, on);
    divert<Delete>(&RegDeleteKeyA, on), divert<Close>(&RegCloseKey, on);
}

}  // namespace

RegistryFaults::RegistryFaults() {
    active = this;
    divertAll(true);
}

RegistryFaults::~RegistryFaults() {
    divertAll(false);
    keyNames.clear();
    active = nullptr;
}
