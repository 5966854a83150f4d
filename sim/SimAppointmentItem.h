#pragma once

#include "sim/SimTimedItem.h"
#include "src/host/AppointmentItem.h"

namespace pwk::sim {

class SimAppointmentItem : public SimTimedItem<host::AppointmentItem> {
  public:
    explicit SimAppointmentItem(std::shared_ptr<SimCore> core)
        : SimTimedItem(std::move(core), host::ItemType::Appointment) {}

    Connection Advise(host::ItemEvents& sink) override {
        Enter("Advise");
        return AuditedAdvise(WriteEvents(), sink);
    }
};

}  // namespace pwk::sim
