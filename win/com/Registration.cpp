#include "win/com/Registration.h"

#include <filesystem>
#include <string>

#include "src/resources/Version.h"
#include "win/com/ComponentIds.h"
#include "win/com/ModuleState.h"
#include "win/platform/RegistryKey.h"

namespace pwk::win {

namespace {

struct Classes {
    HKEY root;
    std::wstring prefix;  // path of the classes branch under root, ending in "\" or empty
};

Classes ClassesFor(Registration::Scope scope) {
    if (scope == Registration::Scope::User) {
        return {HKEY_CURRENT_USER, L"Software\\Classes\\"};
    }
    return {HKEY_CLASSES_ROOT, L""};
}

// Writes the default value and the named ones of one key; stops at the first failure.
LONG Write(HKEY root, const std::wstring& path, const std::wstring& defaultValue,
           std::initializer_list<std::pair<const wchar_t*, std::wstring>> values = {}) {
    LONG status = ERROR_SUCCESS;
    const auto key = RegistryKey::Create(root, path, status);
    if (!key) {
        return status;
    }
    if (!defaultValue.empty()) {
        status = key->SetString(L"", defaultValue);
    }
    for (const auto& [name, value] : values) {
        if (status == ERROR_SUCCESS) {
            status = key->SetString(name, value);
        }
    }
    return status;
}

LONG WriteAddinEntry() {
    LONG status = ERROR_SUCCESS;
    const auto key = RegistryKey::Create(HKEY_CURRENT_USER, AddinKey, status);
    if (!key) {
        return status;
    }
    status = key->SetString(L"FriendlyName", AddinFriendlyName);
    if (status == ERROR_SUCCESS) {
        status = key->SetString(L"Description", AddinDescription);
    }
    if (status == ERROR_SUCCESS) {
        status = key->SetDword(L"LoadBehavior", AddinLoadBehavior);
    }
    return status;
}

// A type library's version is the component's major.minor.
std::wstring TypeLibraryVersion() {
    return std::to_wstring(ComponentVersion.Major) + L"." + std::to_wstring(ComponentVersion.Minor);
}

// The library's key names the platform it describes.
constexpr const wchar_t* TypeLibraryPlatform = sizeof(void*) == 8 ? L"win64" : L"win32";

HRESULT Result(LONG status) {
    return status == ERROR_SUCCESS ? S_OK : HRESULT_FROM_WIN32(static_cast<DWORD>(status));
}

}  // namespace

HRESULT Registration::Register(Scope scope) {
    const Classes classes = ClassesFor(scope);
    const std::wstring module = ModuleState::Path();
    const std::wstring typeLib =
        classes.prefix + L"TypeLib\\" + TypeLibraryIdText + L"\\" + TypeLibraryVersion();
    const std::wstring folder = std::filesystem::path(module).parent_path().wstring();

    LONG status = ERROR_SUCCESS;
    const auto next = [&](auto write) {
        if (status == ERROR_SUCCESS) {
            status = write();
        }
    };
    for (const ComponentClass& each : ComponentClasses) {
        const std::wstring clsid = classes.prefix + L"CLSID\\" + each.ClsidText;
        const std::wstring progId = classes.prefix + each.ProgID;
        next([&] { return Write(classes.root, clsid, each.ProgID); });
        next([&] {
            return Write(classes.root, clsid + L"\\InprocServer32", module,
                         {{L"ThreadingModel", L"Apartment"}});
        });
        next([&] { return Write(classes.root, clsid + L"\\ProgID", each.ProgID); });
        next([&] { return Write(classes.root, clsid + L"\\TypeLib", TypeLibraryIdText); });
        next([&] { return Write(classes.root, progId, each.ProgID); });
        next([&] { return Write(classes.root, progId + L"\\CLSID", each.ClsidText); });
    }
    next([&] { return Write(classes.root, typeLib, TypeLibraryDescription); });
    // The library is resource 1 of this file, for any locale (0).
    next([&] { return Write(classes.root, typeLib + L"\\0\\" + TypeLibraryPlatform, module); });
    next([&] { return Write(classes.root, typeLib + L"\\FLAGS", L"0"); });
    next([&] { return Write(classes.root, typeLib + L"\\HELPDIR", folder); });
    next(WriteAddinEntry);
    if (status != ERROR_SUCCESS) {
        Unregister(scope);
    }
    return Result(status);
}

HRESULT Registration::Unregister(Scope scope) {
    const Classes classes = ClassesFor(scope);
    LONG status = ERROR_SUCCESS;
    const auto remove = [&](HKEY root, const std::wstring& path) {
        if (const LONG removed = RegistryKey::DeleteTree(root, path); removed != ERROR_SUCCESS) {
            status = removed;
        }
    };
    for (const ComponentClass& each : ComponentClasses) {
        remove(classes.root, classes.prefix + L"CLSID\\" + each.ClsidText);
        // A ProgID that another component has taken over since is that component's.
        const auto progId =
            RegistryKey::Open(classes.root, classes.prefix + each.ProgID + L"\\CLSID");
        const auto clsid = progId ? progId->GetString(L"") : std::nullopt;
        if (!clsid || _wcsicmp(clsid->c_str(), each.ClsidText) == 0) {
            remove(classes.root, classes.prefix + each.ProgID);
        }
    }
    remove(classes.root, classes.prefix + L"TypeLib\\" + TypeLibraryIdText);
    remove(HKEY_CURRENT_USER, AddinKey);
    return Result(status);
}

HRESULT Registration::RegisterAddin() {
    return Result(WriteAddinEntry());
}

HRESULT Registration::UnregisterAddin() {
    return Result(RegistryKey::DeleteTree(HKEY_CURRENT_USER, AddinKey));
}

}  // namespace pwk::win
