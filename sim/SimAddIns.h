#pragma once

#include <memory>
#include <string>
#include <vector>

#include "sim/Owned.h"
#include "sim/SimAddInInstance.h"
#include "src/host/AddIn.h"
#include "src/platform/ObjectFactories.h"
#include "src/util/Ref.h"

namespace pwk::host {
class Application;
}

namespace pwk::sim {

// The add-ins the host has loaded, in loading order.
class SimAddIns {
  public:
    explicit SimAddIns(std::shared_ptr<SimCore> core) : core_(std::move(core)) {}

    // Creates the add-in's connection object by ProgID and connects it. Fails with 429 when
    // the ProgID cannot be created, and with UserActionError when the object is no add-in or
    // the ProgID is loaded already.
    void Load(const Ref<host::Application>& application, const ObjectFactories& registry,
              const std::string& progId, int connectMode, const std::string& description);
    // Disconnects one add-in (the user switched it off) and lets it go.
    void Unload(const std::string& progId);
    // Disconnects every add-in for the host's shutdown and lets them go.
    void UnloadAll();
    bool Loaded(const std::string& progId) const;

  private:
    struct LoadedAddIn {
        std::string ProgId;
        Ref<host::AddIn> AddIn;
        Owned<SimAddInInstance> Instance;
    };

    void Disconnect(LoadedAddIn& addIn, int removeMode);

    std::shared_ptr<SimCore> core_;
    std::vector<LoadedAddIn> loaded_;
};

}  // namespace pwk::sim
