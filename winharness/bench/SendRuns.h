#pragma once

#include <memory>
#include <string>
#include <vector>

#include "win/platform/RegistrySettingsStore.h"
#include "winharness/bench/BenchHost.h"
#include "winharness/bench/CallScript.h"
#include "winharness/bench/StartUpRuns.h"
#include "winharness/bridge/ClassRegistration.h"
#include "winharness/bridge/ComAddIn.h"

namespace pwk::winbench {

// The send path through COM: the component started once on a host with `foldersets` tracked
// folder triples, filing in the send itself with journaling on, and one contact per recipient
// (recipient i in folderset i mod `foldersets`), as the Linux send benchmark sets it up. Each
// send is a fresh mail to every recipient, handed to the component by the host's ItemSend
// event through the bridge.
class SendRuns {
  public:
    SendRuns(int recipients, int foldersets);
    ~SendRuns();
    SendRuns(const SendRuns&) = delete;
    SendRuns& operator=(const SendRuns&) = delete;

    // Set when the component did not start.
    const std::string& Error() const { return error_; }

    // One send filed by the component; with `script`, its host calls are recorded there.
    TimedRun Component(CallScript* script);
    // The recorded calls made again on a fresh mail, and nothing else.
    TimedRun Floor(CallScript& script);

  private:
    std::shared_ptr<sim::SimItemState> NewMail();

    std::shared_ptr<win::RegistrySettingsStore> registry_ =
        std::make_shared<win::RegistrySettingsStore>();
    std::unique_ptr<BenchHost> bench_;
    std::unique_ptr<bridge::ClassRegistration> mapi_;
    std::shared_ptr<bridge::ComAddIn> addIn_;
    std::vector<std::string> addresses_;
    std::string error_;
};

}  // namespace pwk::winbench
