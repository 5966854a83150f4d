#include "sim/SimExplorer.h"
#include "src/util/Ref.h"

#include "sim/SimCommandBars.h"
#include "sim/SimFolder.h"
#include "sim/SimItemState.h"
#include "sim/SimSelection.h"

namespace pwk::sim {

SimExplorer::SimExplorer(std::shared_ptr<SimCore> core)
    : SimBase<host::Explorer, SimWindowState>(std::move(core)) {}

SimExplorer::~SimExplorer() = default;

Ref<host::CommandBars> SimExplorer::GetCommandBars() {
    if (EnterGetter("CommandBars")) {
        return nullptr;
    }
    return Bars().Self<host::CommandBars>();
}

Ref<host::MAPIFolder> SimExplorer::CurrentFolder() {
    if (EnterGetter("CurrentFolder")) {
        return nullptr;
    }
    return folder_.get();
}

Ref<host::Selection> SimExplorer::GetSelection() {
    if (EnterGetter("Selection")) {
        return nullptr;
    }
    return MakeSim<SimSelection>(CorePtr(), selected_);
}

Connection SimExplorer::Advise(host::ExplorerEvents& sink) {
    Enter("Advise");
    return AuditedAdvise(events_, sink);
}

std::string SimExplorer::AuditName() const {
    return folder_ ? folder_->Path() : std::string();
}

void SimExplorer::SetFolder(const std::shared_ptr<SimFolder>& folder) {
    folder_ = folder;
}

void SimExplorer::RaiseFolderSwitch() {
    Core().Raise(events_, "Explorer.FolderSwitch",
                 [](host::ExplorerEvents& sink) { sink.FolderSwitch(); });
}

void SimExplorer::RaiseSelectionChange() {
    Core().Raise(events_, "Explorer.SelectionChange",
                 [](host::ExplorerEvents& sink) { sink.SelectionChange(); });
}

void SimExplorer::RaiseClose() {
    Core().Raise(events_, "Explorer.Close", [](host::ExplorerEvents& sink) { sink.Close(); });
}

}  // namespace pwk::sim
