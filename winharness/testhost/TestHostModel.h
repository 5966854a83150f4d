#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "win/automation/DispatchObject.h"
#include "win/combase/ComPtr.h"
#include "winharness/testhost/TestCommandBars.h"

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

    win::DispatchObject& Application() const { return *application_.Get(); }
    win::DispatchObject& Explorer() const { return *explorer_.Get(); }
    win::DispatchObject& AddInInstance() const { return *addInInstance_.Get(); }
    const TestCommandBars& CommandBars() const { return *bars_; }
    // A new mail, as the user composes and sends it.
    win::ComPtr<win::DispatchObject> NewMail();
    // A mail that came in, in the Inbox.
    win::ComPtr<win::DispatchObject> ReceivedMail();

    // What the user does in the explorer, with the events the host raises for it: the first
    // failure a sink answered, S_OK when none did.
    HRESULT Select(std::vector<win::ComPtr<win::DispatchObject>> items);
    HRESULT ShowFolder(std::int32_t defaultFolder);

    // The folders the user picks, one for each of the next NameSpace.PickFolder calls (by
    // their default folder numbers); a pick beyond them is cancelled (Nothing).
    void PlanPicks(std::vector<std::int32_t> defaultFolders);
    // The user opens Tools > Options: OptionsPagesAdd with the dialog's pages collection; the
    // pages add-ins added to it, in order.
    std::vector<win::ComPtr<IDispatch>> OpenOptionsDialog();

    // Every object the host made so far, for its reference count.
    const std::vector<win::ComPtr<win::DispatchObject>>& Objects() const { return objects_; }

  private:
    using ObjectList = std::shared_ptr<std::vector<win::ComPtr<win::DispatchObject>>>;

    win::ComPtr<win::DispatchObject> Make(std::int32_t objectClass);
    win::ComPtr<win::DispatchObject> MakeFolder(const std::string& name, std::int32_t itemType,
                                                const win::ComPtr<win::DispatchObject>& parent);
    win::ComPtr<win::DispatchObject> MakeMail(const win::ComPtr<win::DispatchObject>& folder,
                                              const std::string& entryId);

    std::vector<win::ComPtr<win::DispatchObject>> objects_;
    win::ComPtr<win::DispatchObject> application_;
    win::ComPtr<win::DispatchObject> explorer_;
    win::ComPtr<win::DispatchObject> addInInstance_;
    std::map<std::int32_t, win::ComPtr<win::DispatchObject>> defaults_;  // by DefaultFolder
    ObjectList selected_ = std::make_shared<std::vector<win::ComPtr<win::DispatchObject>>>();
    ObjectList picks_ = std::make_shared<std::vector<win::ComPtr<win::DispatchObject>>>();
    std::unique_ptr<TestCommandBars> bars_;
    int received_ = 0;
};

}  // namespace pwk::testhost
