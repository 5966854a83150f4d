#pragma once

#include <memory>
#include <string>
#include <vector>

#include "sim/SimBase.h"
#include "src/host/PropertyPages.h"
#include "src/util/Failure.h"

namespace pwk::sim {

// A page an add-in put into the options dialog.
struct OptionsPage {
    std::shared_ptr<AutomationObject> Page;
    std::string Caption;
};

// The pages of the options dialog while the host builds it.
class SimPropertyPages : public SimBase<host::PropertyPages> {
  public:
    explicit SimPropertyPages(std::shared_ptr<SimCore> core)
        : SimBase<host::PropertyPages>(std::move(core)) {}

    void Add(const Ref<AutomationObject>& page, const std::string& caption) override {
        Enter("Add");
        if (!page) {
            Raise(FailureNumber::TypeMismatch, "PropertyPages.Add");
        }
        pages_.push_back(OptionsPage{page, caption});
    }

    std::vector<OptionsPage> TakePages() { return std::move(pages_); }

  private:
    std::vector<OptionsPage> pages_;
};

}  // namespace pwk::sim
