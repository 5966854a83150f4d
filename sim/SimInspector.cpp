#include "sim/SimInspector.h"
#include "src/util/Ref.h"

#include "sim/SimCommandBars.h"
#include "sim/SimItemState.h"
#include "src/host/Item.h"

namespace pwk::sim {

SimInspector::SimInspector(std::shared_ptr<SimCore> core, std::shared_ptr<SimItemState> item,
                           int editorType)
    : SimBase<host::Inspector, SimWindowState>(std::move(core)),
      item_(std::move(item)),
      editorType_(editorType) {}

SimInspector::~SimInspector() = default;

Ref<host::CommandBars> SimInspector::GetCommandBars() {
    if (EnterGetter("CommandBars")) {
        return nullptr;
    }
    return Bars().Self<host::CommandBars>();
}

Ref<host::Item> SimInspector::CurrentItem() {
    if (EnterGetter("CurrentItem")) {
        return nullptr;
    }
    return item_ ? item_->AsItem() : nullptr;
}

int SimInspector::EditorType() {
    Enter("EditorType");
    return editorType_;
}

Connection SimInspector::Advise(host::InspectorEvents& sink) {
    Enter("Advise");
    return AuditedAdvise(events_, sink);
}

std::string SimInspector::AuditName() const {
    return item_ ? item_->AuditName() : std::string();
}

void SimInspector::RaiseClose() {
    Core().Raise(events_, "Inspector.Close", [](host::InspectorEvents& sink) { sink.Close(); });
}

}  // namespace pwk::sim
