#include "win/com/ClassMakers.h"

#include <memory>

#include "keelson/Keelson.h"
#include "src/component/Component.h"
#include "src/startup/MStartup.h"
#include "win/com/ConnectObject.h"
#include "win/com/ModuleState.h"
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

// The one reference of `object`, handed over.
IUnknown* HandOver(ComPtr<IDispatch> object) {
    IUnknown* unknown = nullptr;
    object->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&unknown));
    return unknown;
}

}  // namespace

IUnknown* MakeConnect() {
    return static_cast<IDTExtensibility2*>(new ConnectObject());
}

IUnknown* MakeRegSettings() {
    return HandOver(SettingsObject::Of(std::make_shared<RegSettings>(StartedComponent())));
}

IUnknown* MakeTrackedFoldersets() {
    return HandOver(FoldersetsObject::Of(std::make_shared<TrackedFoldersets>(StartedComponent())));
}

IUnknown* MakeTrackedFolderset() {
    return HandOver(FoldersetObject::Of(std::make_shared<TrackedFolderset>(StartedComponent())));
}

IUnknown* MakeErrorObject() {
    return HandOver(
        ErrorObject::Of(std::make_shared<Keelson>(ModuleState::TheComponent().platform())));
}

}  // namespace pwk::win
