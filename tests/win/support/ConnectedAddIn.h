#pragma once

#include "tests/win/support/ComponentCalls.h"
#include "winharness/testhost/TestHostModel.h"

namespace pwk::wintest {

// The add-in created by its ProgID and connected to the test host as at the host's start;
// disconnected as at the host's shutdown when it goes.
class ConnectedAddIn {
  public:
    // A refused host's add-in is only connected and disconnected: no start-up completion, no
    // shutdown notice.
    explicit ConnectedAddIn(testhost::TestHostModel& host, bool wholeLife = true)
        : addIn_(CreateAddIn()), wholeLife_(wholeLife) {
        if (addIn_) {
            SAFEARRAY* custom = nullptr;
            connected_ = addIn_->OnConnection(&host.Application(), kStartup, &host.AddInInstance(),
                                              &custom) == S_OK &&
                         (!wholeLife_ || addIn_->OnStartupComplete(&custom) == S_OK);
        }
    }
    ~ConnectedAddIn() {
        if (!disconnected_) {
            Disconnect();
        }
    }
    ConnectedAddIn(const ConnectedAddIn&) = delete;
    ConnectedAddIn& operator=(const ConnectedAddIn&) = delete;

    // Made, and every call of its connection answered S_OK.
    bool Connected() const { return connected_; }
    // The add-in object, for calls by name (null when it could not be made).
    IDispatch* Object() const { return addIn_.Get(); }

    // Disconnected as at the host's shutdown, the add-in still held (the destructor does it
    // otherwise); true when every call answered S_OK.
    bool Disconnect() {
        disconnected_ = true;
        if (!addIn_) {
            return false;
        }
        SAFEARRAY* custom = nullptr;
        const bool begun = !wholeLife_ || addIn_->OnBeginShutdown(&custom) == S_OK;
        return addIn_->OnDisconnection(kHostShutdown, &custom) == S_OK && begun;
    }

  private:
    static constexpr int kStartup = 1;
    static constexpr int kHostShutdown = 0;

    win::ComPtr<win::IDTExtensibility2> addIn_;
    bool wholeLife_;
    bool connected_ = false;
    bool disconnected_ = false;
};

}  // namespace pwk::wintest
