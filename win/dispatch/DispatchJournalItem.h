#pragma once

#include "src/host/Attachments.h"
#include "src/host/JournalItem.h"
#include "src/host/Links.h"
#include "win/dispatch/DispatchItem.h"

namespace pwk::win {

class DispatchJournalItem final : public DispatchItem<host::JournalItem> {
  public:
    using DispatchItem::DispatchItem;
    std::string Type() override { return Str("Type"); }
    void SetType(const std::string& type) override { Put("Type", type); }
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
    Ref<host::Attachments> GetAttachments() override {
        return Object<host::Attachments>("Attachments");
    }
};

}  // namespace pwk::win
