#pragma once

#include <string>
#include <vector>

#include "win/dispatch/ComPtr.h"
#include "win/testhost/BridgeObject.h"

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
    // A new mail, as the user composes and sends it.
    win::ComPtr<BridgeObject> NewMail();
    // Every object the host made so far, for its reference count.
    const std::vector<win::ComPtr<BridgeObject>>& Objects() const { return objects_; }

  private:
    win::ComPtr<BridgeObject> Make(std::int32_t objectClass);
    win::ComPtr<BridgeObject> MakeFolder(const std::string& name, std::int32_t itemType,
                                         const win::ComPtr<BridgeObject>& parent);
    win::ComPtr<BridgeObject> MakeBar(const std::string& name);
    win::ComPtr<BridgeObject> MakeControls(BridgeObject* bar);
    win::ComPtr<BridgeObject> MakeControl(std::int32_t type, BridgeObject* bar);

    std::vector<win::ComPtr<BridgeObject>> objects_;
    win::ComPtr<BridgeObject> application_;
    win::ComPtr<BridgeObject> explorer_;
    win::ComPtr<BridgeObject> addInInstance_;
    win::ComPtr<BridgeObject> drafts_;
};

}  // namespace pwk::testhost
