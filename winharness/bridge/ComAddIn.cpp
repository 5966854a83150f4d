#include "winharness/bridge/ComAddIn.h"

#include "src/host/Application.h"
#include "win/combase/ComFailure.h"
#include "win/combase/WideText.h"
#include "winharness/bridge/HostDispatch.h"

namespace pwk::bridge {

std::shared_ptr<ComAddIn> ComAddIn::Create(const std::string& progId) {
    CLSID clsid{};
    if (FAILED(CLSIDFromProgID(win::Widen(progId).c_str(), &clsid))) {
        return nullptr;
    }
    auto addIn = win::ComPtr<win::IDTExtensibility2>::Create(clsid);
    return addIn ? std::make_shared<ComAddIn>(std::move(addIn)) : nullptr;
}

void ComAddIn::OnConnection(const Ref<host::Application>& application, int connectMode,
                            const Ref<host::AddInInstance>& addInInst) {
    const win::ComPtr<IDispatch> app = HostDispatch::Of(application.Shared());
    const win::ComPtr<IDispatch> instance = HostDispatch::Of(addInInst.Shared());
    SAFEARRAY* custom = nullptr;
    win::Check(addIn_->OnConnection(app.Get(), connectMode, instance.Get(), &custom),
               "OnConnection");
    if (connectMode == host::ConnectMode::Startup) {
        win::Check(addIn_->OnStartupComplete(&custom), "OnStartupComplete");
    }
}

void ComAddIn::OnDisconnection(int removeMode) {
    SAFEARRAY* custom = nullptr;
    if (removeMode == host::DisconnectMode::HostShutdown) {
        win::Check(addIn_->OnBeginShutdown(&custom), "OnBeginShutdown");
    }
    win::Check(addIn_->OnDisconnection(removeMode, &custom), "OnDisconnection");
}

}  // namespace pwk::bridge
