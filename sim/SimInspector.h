#pragma once

#include <memory>

#include "sim/Owned.h"
#include "sim/SimBase.h"
#include "sim/SimWindowState.h"
#include "src/host/Inspector.h"
#include "src/util/EventSource.h"
#include "src/util/Ref.h"

namespace pwk::sim {

class SimItemState;

// A window showing one item.
class SimInspector : public SimBase<host::Inspector, SimWindowState> {
  public:
    SimInspector(std::shared_ptr<SimCore> core, std::shared_ptr<SimItemState> item, int editorType);
    ~SimInspector() override;

    Ref<host::CommandBars> GetCommandBars() override;
    Ref<host::Item> CurrentItem() override;
    int EditorType() override;
    Connection Advise(host::InspectorEvents& sink) override;

    std::string AuditName() const override;
    const std::shared_ptr<SimItemState>& Shown() const { return item_.get(); }
    void RaiseClose() override;

  private:
    Owned<SimItemState> item_;
    int editorType_;
    EventSource<host::InspectorEvents> events_;
};

}  // namespace pwk::sim
