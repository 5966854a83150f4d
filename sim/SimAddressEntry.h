#pragma once

#include <memory>
#include <string>

#include "sim/SimBase.h"
#include "src/host/AddressEntry.h"

namespace pwk::sim {

// The address-book entry of a recipient; its text is its name.
class SimAddressEntry : public SimBase<host::AddressEntry> {
  public:
    SimAddressEntry(std::shared_ptr<SimCore> core, std::string name, std::string address)
        : SimBase<host::AddressEntry>(std::move(core)),
          name_(std::move(name)),
          address_(std::move(address)) {}

    std::string Name() override {
        Enter("Name");
        return name_;
    }
    std::string Address() override {
        Enter("Address");
        return address_;
    }
    std::string Type() override {
        Enter("Type");
        return address_.empty() ? std::string() : "SMTP";
    }
    std::string Text() const override {
        Enter("Name");
        return name_;
    }

    std::string AuditName() const override { return name_; }

  private:
    std::string name_;
    std::string address_;
};

}  // namespace pwk::sim
