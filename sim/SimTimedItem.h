#pragma once

#include <chrono>
#include <memory>

#include "sim/SimItemBase.h"
#include "sim/SimLinks.h"
#include "src/util/Ref.h"

namespace pwk::sim {

// The members journal entries and appointments share: categories, companies, links and the
// time span. As in the host, Start keeps the duration (moving End), End changes the duration,
// and Duration moves End.
template <class Interface>
class SimTimedItem : public SimItemBase<Interface> {
  public:
    std::string Categories() override { return this->Get("Categories"); }
    void SetCategories(const std::string& value) override { this->Set("Categories", value); }
    std::string Companies() override { return this->Get("Companies"); }
    void SetCompanies(const std::string& value) override { this->Set("Companies", value); }

    host::Date Start() override {
        this->Enter("Start");
        return this->DateField("Start");
    }
    void SetStart(host::Date start) override {
        this->Enter("Start");
        this->SetDateField("Start", start);
        this->SetDateField("End", start + std::chrono::minutes(this->NumberField("Duration")));
    }
    host::Date End() override {
        this->Enter("End");
        return this->DateField("End");
    }
    void SetEnd(host::Date end) override {
        this->Enter("End");
        this->SetDateField("End", end);
        const auto minutes =
            std::chrono::duration_cast<std::chrono::minutes>(end - this->DateField("Start"));
        this->SetNumberField("Duration", static_cast<std::int32_t>(minutes.count()));
    }
    std::int32_t Duration() override {
        this->Enter("Duration");
        return this->NumberField("Duration");
    }
    void SetDuration(std::int32_t minutes) override {
        this->Enter("Duration");
        this->SetNumberField("Duration", minutes);
        this->SetDateField("End", this->DateField("Start") + std::chrono::minutes(minutes));
    }
    Ref<host::Links> GetLinks() override {
        if (this->EnterGetter("Links")) {
            return nullptr;
        }
        return this->LinksObject().template Self<host::Links>();
    }

  protected:
    SimTimedItem(std::shared_ptr<SimCore> core, host::ItemType kind)
        : SimItemBase<Interface>(std::move(core), kind) {}
};

}  // namespace pwk::sim
