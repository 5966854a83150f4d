#pragma once

#include <memory>

#include "src/startup/Connect.h"
#include "win/com/IDTExtensibility2.h"
#include "win/combase/ComPtr.h"
#include "win/combase/UntypedDispatch.h"

namespace pwk::win {

// The COM object the host creates by ProgID: IDTExtensibility2 over the core's Connect. The
// host's Application and add-in record are wrapped into the core's host model here; every call
// answers S_OK, since the core's handlers never pass a failure to the host.
class ConnectObject final : public UntypedDispatch<ServerLifetime, IDTExtensibility2> {
  public:
    // Creating it runs the component's start-up (Main) if this is the process's first object.
    ConnectObject();

    // The host calls through IDTExtensibility2's own slots; a client that binds late finds the
    // same members by the names and numbers of the type library (resource 1 of this file).
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID iid, LCID locale, WORD flags,
                                     DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                     UINT* argError) override;

    HRESULT STDMETHODCALLTYPE OnConnection(IDispatch* application, int connectMode,
                                           IDispatch* addInInst, SAFEARRAY** custom) override;
    HRESULT STDMETHODCALLTYPE OnDisconnection(int removeMode, SAFEARRAY** custom) override;
    HRESULT STDMETHODCALLTYPE OnAddInsUpdate(SAFEARRAY** custom) override;
    HRESULT STDMETHODCALLTYPE OnStartupComplete(SAFEARRAY** custom) override;
    HRESULT STDMETHODCALLTYPE OnBeginShutdown(SAFEARRAY** custom) override;

  private:
    ~ConnectObject() override;

    std::unique_ptr<Connect> core_;
    ComPtr<ITypeInfo> typeInfo_;  // read at the first GetIDsOfNames
};

}  // namespace pwk::win
