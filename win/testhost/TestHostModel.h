#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "win/dispatch/ComPtr.h"
#include "win/testhost/BridgeObject.h"
#include "win/testhost/TestCommandBars.h"

namespace pwk::testhost {

// A small host over IDispatch: the application with one explorer on the Inbox, no inspectors,
// the namespace and its default folders, and the explorer's command bars, on which an add-in
// can put buttons. Members are those of the host's model, numbered the same for every object
// of a kind, as the host's own type library numbers them.
class TestHostModel {
  public:
    TestHostModel(const std::string& name, const std::string& version);
    TestHostModel(const TestHostModel&) = delete;
    TestHostModel& operator=(const TestHostModel&) = delete;
    ~TestHostModel();

    BridgeObject& Application() const { return *application_.Get(); }
    BridgeObject& Explorer() const { return *explorer_.Get(); }
    BridgeObject& AddInInstance() const { return *addInInstance_.Get(); }
    const TestCommandBars& CommandBars() const { return *bars_; }
    // A new mail, as the user composes and sends it.
    win::ComPtr<BridgeObject> NewMail();
    // A mail that came in, in the Inbox.
    win::ComPtr<BridgeObject> ReceivedMail();

    // What the user does in the explorer, with the events the host raises for it: the first
    // failure a sink answered, S_OK when none did.
    HRESULT Select(std::vector<win::ComPtr<BridgeObject>> items);
    HRESULT ShowFolder(std::int32_t defaultFolder);

    // Every object the host made so far, for its reference count.
    const std::vector<win::ComPtr<BridgeObject>>& Objects() const { return objects_; }

  private:
    using ObjectList = std::shared_ptr<std::vector<win::ComPtr<BridgeObject>>>;

    win::ComPtr<BridgeObject> Make(std::int32_t objectClass);
    win::ComPtr<BridgeObject> MakeFolder(const std::string& name, std::int32_t itemType,
                                         const win::ComPtr<BridgeObject>& parent);
    win::ComPtr<BridgeObject> MakeMail(const win::ComPtr<BridgeObject>& folder,
                                       const std::string& entryId);

    std::vector<win::ComPtr<BridgeObject>> objects_;
    win::ComPtr<BridgeObject> application_;
    win::ComPtr<BridgeObject> explorer_;
    win::ComPtr<BridgeObject> addInInstance_;
    std::map<std::int32_t, win::ComPtr<BridgeObject>> defaults_;  // by DefaultFolder
    ObjectList selected_ = std::make_shared<std::vector<win::ComPtr<BridgeObject>>>();
    std::unique_ptr<TestCommandBars> bars_;
    int received_ = 0;
};

}  // namespace pwk::testhost
