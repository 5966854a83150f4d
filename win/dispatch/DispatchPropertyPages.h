#pragma once

#include "src/host/PropertyPages.h"
#include "win/dispatch/DispatchAdapter.h"

namespace pwk::win {

class DispatchPropertyPages final : public DispatchAdapter<host::PropertyPages> {
  public:
    using DispatchAdapter::DispatchAdapter;
    void Add(const Ref<AutomationObject>& page, const std::string& caption) override {
        Call("Add", DispatchOf(page.get()), caption);
    }
};

}  // namespace pwk::win
