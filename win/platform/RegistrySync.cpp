#include "win/platform/RegistrySync.h"

#include <map>
#include <optional>

namespace pwk::win {

namespace {

// Names as the registry compares them.
std::wstring Folded(std::wstring name) {
    if (!name.empty()) {
        CharUpperBuffW(name.data(), static_cast<DWORD>(name.size()));
    }
    return name;
}

template <class T, class Name>
std::map<std::wstring, const T*> ByFoldedName(const std::vector<T>& items, Name name) {
    std::map<std::wstring, const T*> found;
    for (const T& item : items) {
        found.emplace(Folded(name(item)), &item);
    }
    return found;
}

}  // namespace

RegistrySync RegistrySync::Plan(HKEY root, const std::wstring& source, const std::wstring& target,
                                LONG& status) {
    RegistrySync sync;
    const auto from = RegistryKey::Open(root, source, KEY_READ, status);
    if (!from) {
        return sync;
    }
    LONG found = ERROR_SUCCESS;
    const auto to = RegistryKey::Open(root, target, KEY_READ, found);
    if (!to && found != ERROR_FILE_NOT_FOUND) {
        status = found;
        return sync;
    }
    sync.PlanKey(*from, to ? &*to : nullptr, target, status);
    return sync;
}

void RegistrySync::PlanKey(const RegistryKey& from, const RegistryKey* to,
                           const std::wstring& target, LONG& status) {
    if (to == nullptr) {
        steps_.push_back({Step::Kind::Create, target, {}});
    }
    const auto wanted = from.Values(status);
    const auto held = to != nullptr ? to->Values(status) : std::vector<RegistryKey::RawValue>{};
    const auto name = [](const RegistryKey::RawValue& value) { return value.Name; };
    const auto heldByName = ByFoldedName(held, name);
    for (const auto& value : wanted) {
        const auto same = heldByName.find(Folded(value.Name));
        if (same != heldByName.end() && same->second->Name != value.Name) {
            steps_.push_back({Step::Kind::RemoveValue, target, {same->second->Name, 0, {}}});
        } else if (same != heldByName.end() && same->second->Type == value.Type &&
                   same->second->Data == value.Data) {
            continue;
        }
        steps_.push_back({Step::Kind::Set, target, value});
    }
    const auto wantedByName = ByFoldedName(wanted, name);
    for (const auto& value : held) {
        if (wantedByName.count(Folded(value.Name)) == 0) {
            steps_.push_back({Step::Kind::RemoveValue, target, {value.Name, 0, {}}});
        }
    }

    const auto subkeys = from.SubkeyNames();
    const auto heldKeys = to != nullptr ? to->SubkeyNames() : std::vector<std::wstring>{};
    const auto same = [](const std::wstring& key) { return key; };
    const auto heldKeysByName = ByFoldedName(heldKeys, same);
    for (const std::wstring& subkey : subkeys) {
        if (status != ERROR_SUCCESS) {
            return;
        }
        const auto child = RegistryKey::Open(from.Handle(), subkey, KEY_READ, status);
        if (!child) {
            return;
        }
        std::optional<RegistryKey> heldChild;
        const auto match = heldKeysByName.find(Folded(subkey));
        if (match != heldKeysByName.end() && *match->second == subkey) {
            heldChild = RegistryKey::Open(to->Handle(), subkey, KEY_READ, status);
            if (!heldChild) {
                return;
            }
        } else if (match != heldKeysByName.end()) {
            steps_.push_back({Step::Kind::RemoveTree, target + L"\\" + *match->second, {}});
        }
        PlanKey(*child, heldChild ? &*heldChild : nullptr, target + L"\\" + subkey, status);
    }
    const auto wantedKeys = ByFoldedName(subkeys, same);
    for (const std::wstring& key : heldKeys) {
        if (wantedKeys.count(Folded(key)) == 0) {
            steps_.push_back({Step::Kind::RemoveTree, target + L"\\" + key, {}});
        }
    }
}

LONG RegistrySync::Apply(HKEY root) const {
    // Consecutive steps mostly share their key: it is opened once for them.
    std::wstring openPath;
    std::optional<RegistryKey> open;
    LONG status = ERROR_SUCCESS;
    for (const Step& step : steps_) {
        if (step.What == Step::Kind::RemoveTree) {
            open.reset();
            openPath.clear();
            status = RegistryKey::DeleteTree(root, step.Key);
        } else {
            if (!open || openPath != step.Key) {
                open = RegistryKey::Create(root, step.Key, status);
                openPath = open ? step.Key : std::wstring();
            }
            if (!open) {
                return status;
            }
            if (step.What == Step::Kind::Set) {
                status = RegSetValueExW(open->Handle(), step.Value.Name.c_str(), 0, step.Value.Type,
                                        step.Value.Data.data(),
                                        static_cast<DWORD>(step.Value.Data.size()));
            } else if (step.What == Step::Kind::RemoveValue) {
                status = RegDeleteValueW(open->Handle(), step.Value.Name.c_str());
                status = status == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : status;
            }
        }
        if (status != ERROR_SUCCESS) {
            return status;
        }
    }
    return status;
}

}  // namespace pwk::win
