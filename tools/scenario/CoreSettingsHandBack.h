#pragma once

#include <memory>

#include "src/util/Ref.h"
#include "tools/scenario/SettingsHandBack.h"

namespace pwk {
class Component;
class RegSettings;
namespace host {
class Application;
class NameSpace;
}  // namespace host
}  // namespace pwk

namespace pwk::scenario {

// The options page's hand-back on the core's own settings object, in this process.
class CoreSettingsHandBack final : public SettingsHandBack {
  public:
    CoreSettingsHandBack(std::shared_ptr<RegSettings> live, Component& component,
                         Ref<host::Application> application, Ref<host::NameSpace> nameSpace);

    void Copy() override;
    bool AddFolderset(const FolderIds& ids) override;
    std::string FailReason() override;
    std::int32_t Count() override;
    void RemoveFolderset(std::int32_t position) override;
    void SetSwitch(const std::string& name, bool on) override;
    void HandBack() override;

  private:
    std::shared_ptr<RegSettings> live_;
    Component& component_;
    Ref<host::Application> application_;
    Ref<host::NameSpace> nameSpace_;
    std::shared_ptr<RegSettings> copy_;
};

}  // namespace pwk::scenario
