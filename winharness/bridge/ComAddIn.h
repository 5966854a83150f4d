#pragma once

#include <memory>
#include <string>

#include "src/host/AddIn.h"
#include "win/com/IDTExtensibility2.h"
#include "win/combase/ComPtr.h"

namespace pwk::bridge {

// An add-in of the simulated host that is a COM component: created by its ProgID through COM
// and connected through IDTExtensibility2 with the host's objects bridged, as the real host
// loads one. A start-up connection is followed by OnStartupComplete; a disconnection for the
// host's shutdown is preceded by OnBeginShutdown. A failure the component answers reaches the
// host as a Failure.
class ComAddIn final : public host::AddIn {
  public:
    // Null when COM cannot create the component or it is no add-in.
    static std::shared_ptr<ComAddIn> Create(const std::string& progId);

    explicit ComAddIn(win::ComPtr<win::IDTExtensibility2> addIn) : addIn_(std::move(addIn)) {}

    void OnConnection(const Ref<host::Application>& application, int connectMode,
                      const Ref<host::AddInInstance>& addInInst) override;
    void OnDisconnection(int removeMode) override;

    // The component's object, for calls by name beyond the host's connection interface.
    IDispatch* Dispatch() const { return addIn_.Get(); }

  private:
    win::ComPtr<win::IDTExtensibility2> addIn_;
};

}  // namespace pwk::bridge
