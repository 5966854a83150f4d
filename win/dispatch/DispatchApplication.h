#pragma once

#include <string>

#include "src/host/Application.h"
#include "src/host/Explorers.h"
#include "src/host/Inspectors.h"
#include "src/host/Item.h"
#include "src/host/NameSpace.h"
#include "src/util/Failure.h"
#include "win/dispatch/DispatchAdapter.h"
#include "win/dispatch/HostEvents.h"
#include "win/dispatch/ObjectClass.h"

namespace pwk::win {

class DispatchApplication final : public DispatchAdapter<host::Application> {
  public:
    using DispatchAdapter::DispatchAdapter;
    // The host object's type as its class says: the connection refuses anything that does not
    // read as the application's class.
    std::string TypeName() const override {
        try {
            return TypeNameOfClass(Int("Class"));
        } catch (const Failure&) {
            return std::string(UnknownClassName);
        }
    }
    std::string Name() override { return Str("Name"); }
    std::string Version() override { return Str("Version"); }
    std::string ProductCode() override { return Str("ProductCode"); }
    Ref<host::Explorers> GetExplorers() override { return Object<host::Explorers>("Explorers"); }
    Ref<host::Inspectors> GetInspectors() override {
        return Object<host::Inspectors>("Inspectors");
    }
    Ref<host::NameSpace> GetNamespace(const std::string& type) override {
        return CallObject<host::NameSpace>("GetNamespace", type);
    }
    Ref<host::Item> CreateItem(host::ItemType type) override {
        return CallObject<host::Item>("CreateItem", static_cast<std::int32_t>(type));
    }
    Connection Advise(host::ApplicationEvents& sink) override {
        return AdviseApplication(Dispatch(), sink);
    }
};

}  // namespace pwk::win
