#include "win/com/ClassMakers.h"

#include <memory>

#include "keelson/Keelson.h"
#include "src/component/Component.h"
#include "src/startup/MStartup.h"
#include "win/com/ComponentIds.h"
#include "win/com/ConnectObject.h"
#include "win/com/ModuleState.h"
#include "win/optionspage/OptionsPageObject.h"
#include "win/platform/TestSwitches.h"
#include "win/published/ErrorObject.h"
#include "win/published/FoldersetObject.h"
#include "win/published/FoldersetsObject.h"
#include "win/published/SettingsObject.h"

namespace pwk::win {
namespace {

Component& StartedComponent() {
    Component& component = ModuleState::TheComponent();
    if (!component.MainHasRun) {
        MStartup::Main(component);
    }
    return component;
}

}  // namespace

ComPtr<IUnknown> MakeConnect() {
    return MakeCom<ConnectObject>().As<IUnknown>();
}

ComPtr<IUnknown> MakeRegSettings() {
    return SettingsObject::Of(std::make_shared<RegSettings>(StartedComponent())).As<IUnknown>();
}

ComPtr<IUnknown> MakeTrackedFoldersets() {
    return FoldersetsObject::Of(std::make_shared<TrackedFoldersets>(StartedComponent()))
        .As<IUnknown>();
}

ComPtr<IUnknown> MakeTrackedFolderset() {
    return FoldersetObject::Of(std::make_shared<TrackedFolderset>(StartedComponent()))
        .As<IUnknown>();
}

ComPtr<IUnknown> MakeErrorObject() {
    auto library = std::make_shared<Keelson>(ModuleState::TheComponent().platform());
    library->SetDebugMode(TestSwitchOn(kDebugModeVariable));
    return ErrorObject::Of(std::move(library)).As<IUnknown>();
}

ComPtr<IUnknown> MakeOptionsPage() {
    return MakeCom<OptionsPageObject>(ModuleState::TheComponent(), CLSID_OptionsPage)
        .As<IUnknown>();
}

}  // namespace pwk::win
