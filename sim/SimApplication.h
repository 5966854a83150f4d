#pragma once

#include <memory>
#include <string>

#include "sim/HostInfo.h"
#include "sim/Owned.h"
#include "sim/SimBase.h"
#include "sim/SimWindows.h"
#include "src/host/Application.h"
#include "src/util/EventSource.h"
#include "src/util/Ref.h"

namespace pwk::sim {

class SimNameSpace;
class SimPropertyPages;
class SimItemState;

// The host's application object. CreateItem makes a new item for the default folder of its
// kind (a mail for the drafts folder); GetNamespace knows only "MAPI" and fails (5) otherwise.
class SimApplication : public SimBase<host::Application> {
  public:
    SimApplication(std::shared_ptr<SimCore> core, HostInfo info);
    ~SimApplication() override;

    std::string TypeName() const override { return info_.TypeName; }
    std::string Name() override;
    std::string Version() override;
    std::string ProductCode() override;
    Ref<host::Explorers> GetExplorers() override;
    Ref<host::Inspectors> GetInspectors() override;
    Ref<host::NameSpace> GetNamespace(const std::string& type) override;
    Ref<host::Item> CreateItem(host::ItemType type) override;
    Connection Advise(host::ApplicationEvents& sink) override;

    std::string AuditName() const override { return info_.Name; }
    const HostInfo& Info() const { return info_; }
    SimExplorers& ExplorerList() const { return *explorers_; }
    SimInspectors& InspectorList() const { return *inspectors_; }
    SimNameSpace& Mailbox() const { return *namespace_; }
    // How many sinks listen to the application's events.
    std::size_t Listeners() const { return events_.Connected(); }
    const std::shared_ptr<SimNameSpace>& MailboxPtr() const { return namespace_.get(); }

    std::shared_ptr<SimItemState> NewItem(host::ItemType type);
    void RaiseItemSend(const std::shared_ptr<SimItemState>& item, bool& cancel);
    void RaiseOptionsPagesAdd(const std::shared_ptr<SimPropertyPages>& pages);

  private:
    HostInfo info_;
    Owned<SimExplorers> explorers_;
    Owned<SimInspectors> inspectors_;
    Owned<SimNameSpace> namespace_;
    EventSource<host::ApplicationEvents> events_;
};

}  // namespace pwk::sim
