#pragma once

#include <memory>
#include <vector>

#include "sim/Owned.h"
#include "sim/SimBase.h"
#include "sim/SimWindowState.h"
#include "src/host/Explorer.h"
#include "src/util/EventSource.h"
#include "src/util/Ref.h"

namespace pwk::sim {

class SimFolder;
class SimItemState;

// A main window: a folder (or none) and the items selected in it.
class SimExplorer : public SimBase<host::Explorer, SimWindowState> {
  public:
    explicit SimExplorer(std::shared_ptr<SimCore> core);
    ~SimExplorer() override;

    Ref<host::CommandBars> GetCommandBars() override;
    Ref<host::MAPIFolder> CurrentFolder() override;
    Ref<host::Selection> GetSelection() override;
    Connection Advise(host::ExplorerEvents& sink) override;

    std::string AuditName() const override;
    std::shared_ptr<SimFolder> Folder() const { return folder_.get(); }
    void SetFolder(const std::shared_ptr<SimFolder>& folder);
    const std::vector<Owned<SimItemState>>& Selected() const { return selected_; }
    void SetSelected(std::vector<Owned<SimItemState>> items) { selected_ = std::move(items); }

    void RaiseFolderSwitch();
    void RaiseSelectionChange();
    void RaiseClose() override;

  private:
    Owned<SimFolder> folder_;
    std::vector<Owned<SimItemState>> selected_;
    EventSource<host::ExplorerEvents> events_;
};

}  // namespace pwk::sim
