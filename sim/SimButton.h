#pragma once

#include <memory>

#include "sim/SimControl.h"
#include "src/host/CommandBarButton.h"
#include "src/util/EventSource.h"
#include "src/util/Ref.h"

namespace pwk::sim {

class SimButton : public SimControl<host::CommandBarButton> {
  public:
    explicit SimButton(std::shared_ptr<SimCore> core) : SimControl(std::move(core)) {}

    Connection Advise(host::CommandBarButtonEvents& sink) override {
        Enter("Advise");
        return AuditedAdvise(events_, sink);
    }

    void RaiseClick(const Ref<host::CommandBarButton>& clicked, bool& cancelDefault) override {
        Core().Raise(events_, "CommandBarButton.Click", [&](host::CommandBarButtonEvents& sink) {
            sink.Click(clicked, cancelDefault);
        });
    }

  private:
    EventSource<host::CommandBarButtonEvents> events_;
};

}  // namespace pwk::sim
