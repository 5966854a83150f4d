#pragma once

#include <memory>
#include <string>

#include "sim/SimObject.h"
#include "src/host/AddIn.h"

namespace pwk::sim {

// The host's record of one loaded add-in.
class SimAddInInstance : public host::AddInInstance, public SimObject {
  public:
    SimAddInInstance(std::shared_ptr<SimCore> core, std::string progId, std::string description)
        : SimObject(std::move(core)),
          progId_(std::move(progId)),
          description_(std::move(description)) {}

    std::string ProgID() override {
        Enter("ProgID");
        return progId_;
    }
    std::string Description() override {
        Enter("Description");
        return description_;
    }

    std::string AuditType() const override { return "COMAddIn"; }
    std::string AuditName() const override { return progId_; }

  private:
    std::string progId_;
    std::string description_;
};

}  // namespace pwk::sim
