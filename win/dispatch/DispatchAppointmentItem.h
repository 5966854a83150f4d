#pragma once

#include "src/host/AppointmentItem.h"
#include "src/host/Links.h"
#include "win/dispatch/DispatchItem.h"
#include "win/dispatch/HostEvents.h"

namespace pwk::win {

class DispatchAppointmentItem final : public DispatchItem<host::AppointmentItem> {
  public:
    using DispatchItem::DispatchItem;
    std::string Categories() override { return Str("Categories"); }
    void SetCategories(const std::string& categories) override { Put("Categories", categories); }
    std::string Companies() override { return Str("Companies"); }
    void SetCompanies(const std::string& companies) override { Put("Companies", companies); }
    host::Date Start() override { return When("Start"); }
    void SetStart(host::Date start) override { Put("Start", start); }
    host::Date End() override { return When("End"); }
    void SetEnd(host::Date end) override { Put("End", end); }
    std::int32_t Duration() override { return Int("Duration"); }
    void SetDuration(std::int32_t minutes) override { Put("Duration", minutes); }
    Ref<host::Links> GetLinks() override { return Object<host::Links>("Links"); }
    Connection Advise(host::ItemEvents& sink) override { return AdviseItem(Dispatch(), sink); }
};

}  // namespace pwk::win
