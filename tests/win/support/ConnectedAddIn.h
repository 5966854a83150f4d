#pragma once

#include "tests/win/support/ComponentCalls.h"
#include "winharness/testhost/TestHostModel.h"

namespace pwk::wintest {

// The add-in created by its ProgID and connected to the test host as at the host's start;
// disconnected as at the host's shutdown when it goes.
class ConnectedAddIn {
  public:
    explicit ConnectedAddIn(testhost::TestHostModel& host) : addIn_(CreateAddIn()) {
        if (addIn_) {
            SAFEARRAY* custom = nullptr;
            connected_ = addIn_->OnConnection(&host.Application(), kStartup, &host.AddInInstance(),
                                              &custom) == S_OK &&
                         addIn_->OnStartupComplete(&custom) == S_OK;
        }
    }
    ~ConnectedAddIn() {
        if (addIn_) {
            SAFEARRAY* custom = nullptr;
            addIn_->OnBeginShutdown(&custom);
            addIn_->OnDisconnection(kHostShutdown, &custom);
        }
    }
    ConnectedAddIn(const ConnectedAddIn&) = delete;
    ConnectedAddIn& operator=(const ConnectedAddIn&) = delete;

    // Made, and every call of its connection answered S_OK.
    bool Connected() const { return connected_; }

  private:
    static constexpr int kStartup = 1;
    static constexpr int kHostShutdown = 0;

    win::ComPtr<win::IDTExtensibility2> addIn_;
    bool connected_ = false;
};

}  // namespace pwk::wintest
