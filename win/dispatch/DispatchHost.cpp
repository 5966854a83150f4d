#include "win/dispatch/DispatchHost.h"

#include "src/host/MapiSession.h"
#include "win/dispatch/DispatchAutomationObject.h"
#include "win/dispatch/WrapObject.h"

pwk::Ref<pwk::host::Application> WrapApplication(IDispatch* application) {
    return pwk::win::WrapObject<pwk::host::Application>(application);
}

pwk::Ref<pwk::host::AddInInstance> WrapAddInInstance(IDispatch* addInInstance) {
    return pwk::win::WrapObject<pwk::host::AddInInstance>(addInInstance);
}

std::shared_ptr<pwk::AutomationObject> WrapAutomationObject(const std::string& progId,
                                                            IDispatch* object) {
    using pwk::win::ComPtr;
    if (object == nullptr) {
        return nullptr;
    }
    if (progId == pwk::host::MapiSessionProgID) {
        return pwk::win::WrapObject<pwk::host::MapiSession>(object).Shared();
    }
    return std::make_shared<pwk::win::DispatchAutomationObject>(ComPtr<IDispatch>(object));
}
