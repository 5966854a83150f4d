#pragma once

#include <memory>
#include <string>
#include <utility>

#include "src/util/Ref.h"
#include "src/util/Failure.h"
#include "src/host/Application.h"
#include "src/host/NameSpace.h"

namespace pwk::test {

// A host application that offers only its "MAPI" namespace; everything else fails with 5.
class FakeApplication : public host::Application {
  public:
    explicit FakeApplication(Ref<host::NameSpace> nameSpace)
        : nameSpace_(std::move(nameSpace)) {}

    Ref<host::NameSpace> GetNamespace(const std::string& type) override {
        ++namespaceRequests;
        if (type != "MAPI") {
            Raise(FailureNumber::InvalidProcedureCall);
        }
        return nameSpace_;
    }

    std::string Name() override { Raise(FailureNumber::InvalidProcedureCall); }
    std::string Version() override { Raise(FailureNumber::InvalidProcedureCall); }
    std::string ProductCode() override { Raise(FailureNumber::InvalidProcedureCall); }
    Ref<host::Explorers> GetExplorers() override {
        Raise(FailureNumber::InvalidProcedureCall);
    }
    Ref<host::Inspectors> GetInspectors() override {
        Raise(FailureNumber::InvalidProcedureCall);
    }
    Ref<host::Item> CreateItem(host::ItemType /*type*/) override {
        Raise(FailureNumber::InvalidProcedureCall);
    }
    Connection Advise(host::ApplicationEvents& /*sink*/) override {
        Raise(FailureNumber::InvalidProcedureCall);
    }

    int namespaceRequests = 0;

  private:
    Ref<host::NameSpace> nameSpace_;
};

}  // namespace pwk::test
