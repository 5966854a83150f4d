#include "sim/SimAddIns.h"

#include <algorithm>

#include "sim/UserActionError.h"
#include "src/host/Application.h"
#include "src/util/Ref.h"

namespace pwk::sim {

void SimAddIns::Load(const Ref<host::Application>& application, const ObjectFactories& registry,
                     const std::string& progId, int connectMode, const std::string& description) {
    if (Loaded(progId)) {
        throw UserActionError("The add-in " + progId + " is loaded already.");
    }
    auto addIn = As<host::AddIn>(registry.Create(progId));
    if (!addIn) {
        throw UserActionError(progId + " is not an add-in.");
    }
    auto instance = MakeSim<SimAddInInstance>(core_, progId, description);
    loaded_.push_back(LoadedAddIn{progId, addIn, instance});
    core_->Guarded(progId + ".OnConnection",
                   [&] { addIn->OnConnection(application, connectMode, instance); });
}

void SimAddIns::Unload(const std::string& progId) {
    auto found = std::ranges::find(loaded_, progId, &LoadedAddIn::ProgId);
    if (found == loaded_.end()) {
        throw UserActionError("The add-in " + progId + " is not loaded.");
    }
    LoadedAddIn addIn = std::move(*found);
    loaded_.erase(found);
    Disconnect(addIn, host::DisconnectMode::UserClosed);
}

void SimAddIns::UnloadAll() {
    auto all = std::exchange(loaded_, {});
    for (auto& addIn : all) {
        Disconnect(addIn, host::DisconnectMode::HostShutdown);
    }
}

bool SimAddIns::Loaded(const std::string& progId) const {
    return std::ranges::find(loaded_, progId, &LoadedAddIn::ProgId) != loaded_.end();
}

void SimAddIns::Disconnect(LoadedAddIn& addIn, int removeMode) {
    core_->Guarded(addIn.ProgId + ".OnDisconnection",
                   [&] { addIn.AddIn->OnDisconnection(removeMode); });
    addIn.AddIn.reset();
    addIn.Instance.reset();
}

}  // namespace pwk::sim
