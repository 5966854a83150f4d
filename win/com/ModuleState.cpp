#include "win/com/ModuleState.h"

#include <memory>

#include "src/app/OptionsPageComponent.h"
#include "src/component/Component.h"
#include "src/errorlib/ErrorLibrary.h"
#include "src/errors/Procedure.h"
#include "win/platform/RegistrySettingsStore.h"
#include "win/platform/WinPlatform.h"
#include "win/published/DispatchOptionsPage.h"
#include "win/published/ErrorObject.h"
#include "win/published/OwnObjects.h"

namespace pwk::win {

namespace {

// Made together, gone together (at the DLL's unloading), in this order of dependence.
struct Process {
    // What the add-in read of its settings is kept in the user's local application data, so
    // that a start with thousands of tracked foldersets lists only the keys changed since.
    RegistrySettingsStore settings{HKEY_CURRENT_USER, RegistrySettingsStore::ProgramSettings,
                                   RegistrySettingsStore::PendingBatch,
                                   RegistrySettingsStore::Access::ReadWrite,
                                   RegistryReadCache::InLocalAppData(L"Settings read cache")};
    WinPlatform platform{settings, ModuleState::Module()};
    Component component{platform};

    Process() {
        // The one line that says the settings are read at every check instead of when watched.
        settings.OnWatchFailure([this](const std::string& text) {
            Procedure::Ignoring([&] { component.Errors().LogText(text); });
        });
        // The error library is created through COM by its ProgID, as start-up creates a
        // library of its own; the class is ours, so the object stands for one of our libraries
        // (any other object registered under that ProgID is a type mismatch).
        platform.WrapWith(ErrorLibraryProgID, [](IDispatch* object) {
            return OwnObjects::Instance().CoreOf<ErrorLibrary>(object);
        });
        platform.WrapWith(OptionsPageProgID, [](IDispatch* page) {
            return std::make_shared<DispatchOptionsPage>(ComPtr<IDispatch>(page));
        });
    }
};

}  // namespace

std::wstring ModuleState::Path() {
    wchar_t path[MAX_PATH * 2] = L"";
    GetModuleFileNameW(module_, path, static_cast<DWORD>(std::size(path)));
    return path;
}

Component& ModuleState::TheComponent() {
    static const std::unique_ptr<Process> process = std::make_unique<Process>();
    return process->component;
}

}  // namespace pwk::win
