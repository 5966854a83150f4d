#include "win/com/ModuleState.h"

#include <memory>

#include "keelson/RegisterKeelson.h"
#include "src/app/OptionsPageComponent.h"
#include "src/component/Component.h"
#include "win/platform/RegistrySettingsStore.h"
#include "win/platform/WinPlatform.h"
#include "win/published/DispatchOptionsPage.h"

namespace pwk::win {

namespace {

// Made together, gone together (at the DLL's unloading), in this order of dependence.
struct Process {
    RegistrySettingsStore settings;
    WinPlatform platform{settings, ModuleState::Module()};
    Component component{platform};

    Process() {
        RegisterKeelson(platform.Factories(), platform);
        platform.WrapWith(OptionsPageProgID, [](IDispatch* page) {
            return std::make_shared<DispatchOptionsPage>(ComPtr<IDispatch>(page));
        });
    }
};

}  // namespace

Component& ModuleState::TheComponent() {
    static const std::unique_ptr<Process> process = std::make_unique<Process>();
    return process->component;
}

}  // namespace pwk::win
