#include "winharness/simrun/ComponentRegistry.h"

#include <cwctype>
#include <map>
#include <optional>
#include <set>
#include <string>

#include "src/tracking/SettingsChanges.h"
#include "win/platform/RegistrySettingsStore.h"

namespace pwk::simrun {

namespace {

using Operation = scenario::FailingSettingsStore::Operation;

scenario::ScenarioMachine* registryMachine = nullptr;
// The path below HKEY_CURRENT_USER of every key the component opened, in lower case.
std::map<HKEY, std::wstring> openKeys;
// The keys opened by a removal's walk, below which every open is the same removal's.
std::set<HKEY> removalKeys;

std::wstring Lower(std::wstring text) {
    for (wchar_t& c : text) {
        c = static_cast<wchar_t>(std::towlower(c));
    }
    return text;
}

// The path of `sub` below `parent`; nothing when the parent is not a key the component opened
// from the current user's branch.
std::optional<std::wstring> PathOf(HKEY parent, LPCWSTR sub) {
    std::wstring path;
    if (parent != HKEY_CURRENT_USER) {
        const auto known = openKeys.find(parent);
        if (known == openKeys.end()) {
            return std::nullopt;
        }
        path = known->second;
    }
    if (sub != nullptr && *sub != L'\0') {
        path += (path.empty() ? L"" : L"\\") + Lower(sub);
    }
    return path;
}

// A section of an application's settings, live or in the batch's copy: a key at least one
// level below an application's key.
bool IsSection(const std::optional<std::wstring>& path) {
    if (!path) {
        return false;
    }
    for (const std::wstring& applications :
         {Lower(win::RegistrySettingsStore::ProgramSettings) + L"\\",
          Lower(std::wstring(win::RegistrySettingsStore::PendingBatch) +
                win::RegistrySettingsStore::PendingCopies) +
              L"\\"}) {
        if (path->compare(0, applications.size(), applications) == 0) {
            const std::size_t level = path->find(L'\\', applications.size());
            // The count of saves is no section of the settings: as in the core, a scenario's
            // planned failures never meet it.
            const std::string counted = SettingsChanges::AppName;
            if (path->compare(applications.size(), level - applications.size(),
                              Lower(std::wstring(counted.begin(), counted.end()))) == 0) {
                return false;
            }
            return level != std::wstring::npos && level + 1 < path->size();
        }
    }
    return false;
}

bool Refused(const std::optional<std::wstring>& path, Operation operation) {
    return IsSection(path) && registryMachine->PlannedStoreFailure(operation).has_value();
}

void Remember(LSTATUS status, const std::optional<std::wstring>& path, HKEY key) {
    if (status == ERROR_SUCCESS && path) {
        openKeys[key] = *path;
    }
}

// The store reads and saves a section by opening it by its path from the user's branch; the
// tree walks of its own copies and removals open each key below the one above it, and pass. A
// removal opens the key it removes with the right to delete it: the first such open of a walk,
// not one below another such key, is the removal.
bool RemovalWalk(HKEY parent) {
    return removalKeys.count(parent) != 0;
}

LSTATUS WINAPI OpenKey(HKEY parent, LPCWSTR sub, DWORD options, REGSAM access, PHKEY key) {
    const std::optional<std::wstring> path = PathOf(parent, sub);
    const bool removal = (access & DELETE) != 0;
    if (removal ? !RemovalWalk(parent) && Refused(path, Operation::Remove)
                : parent == HKEY_CURRENT_USER && Refused(path, Operation::Read)) {
        return ERROR_ACCESS_DENIED;
    }
    const LSTATUS status = RegOpenKeyExW(parent, sub, options, access, key);
    Remember(status, path, *key);
    if (status == ERROR_SUCCESS && removal) {
        removalKeys.insert(*key);
    }
    return status;
}

// A value is saved by opening its section for writing (made when missing) and setting the
// value: the open is refused, as a protected key refuses it, so nothing is made either.
LSTATUS WINAPI CreateKey(HKEY parent, LPCWSTR sub, DWORD reserved, LPWSTR type, DWORD options,
                         REGSAM access, const LPSECURITY_ATTRIBUTES security, PHKEY key,
                         LPDWORD disposition) {
    const std::optional<std::wstring> path = PathOf(parent, sub);
    if (parent == HKEY_CURRENT_USER && Refused(path, Operation::Save)) {
        return ERROR_ACCESS_DENIED;
    }
    const LSTATUS status =
        RegCreateKeyExW(parent, sub, reserved, type, options, access, security, key, disposition);
    Remember(status, path, *key);
    return status;
}

LSTATUS WINAPI CloseKey(HKEY key) {
    openKeys.erase(key);
    removalKeys.erase(key);
    return RegCloseKey(key);
}

}  // namespace

void AnswerRegistryCalls(const ImportTable& imports, scenario::ScenarioMachine& answering) {
    registryMachine = &answering;
    openKeys.clear();
    removalKeys.clear();
    imports.Replace("RegOpenKeyExW", reinterpret_cast<const void*>(&OpenKey));
    imports.Replace("RegCreateKeyExW", reinterpret_cast<const void*>(&CreateKey));
    imports.Replace("RegCloseKey", reinterpret_cast<const void*>(&CloseKey));
}

}  // namespace pwk::simrun
