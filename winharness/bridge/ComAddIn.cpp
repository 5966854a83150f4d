#include "winharness/bridge/ComAddIn.h"

#include "src/host/Application.h"
#include "win/combase/ComFailure.h"
#include "win/combase/WideText.h"
#include "winharness/bridge/HostDispatch.h"

namespace pwk::bridge {

std::shared_ptr<ComAddIn> ComAddIn::Create(const std::string& progId) {
    CLSID clsid{};
    win::ComPtr<win::IDTExtensibility2> addIn;
    if (FAILED(CLSIDFromProgID(win::Widen(progId).c_str(), &clsid)) ||
        FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, win::IID_IDTExtensibility2,
                                reinterpret_cast<void**>(addIn.Out())))) {
        return nullptr;
    }
    return std::make_shared<ComAddIn>(std::move(addIn));
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
