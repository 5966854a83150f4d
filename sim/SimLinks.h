#pragma once

#include <memory>
#include <vector>

#include "sim/Owned.h"
#include "sim/SimBase.h"
#include "sim/SimLink.h"
#include "src/host/Links.h"
#include "src/util/Ref.h"

namespace pwk::sim {

// The contacts an item is linked to. The same contact may be linked more than once. Only a
// saved contact can be linked.
class SimLinks : public SimBase<host::Links> {
  public:
    explicit SimLinks(std::shared_ptr<SimCore> core) : SimBase<host::Links>(std::move(core)) {}

    std::int32_t Count() override;
    Ref<host::Link> Item(std::int32_t index) override;
    Ref<host::Link> Add(const Ref<host::ContactItem>& contact) override;

    void AddLink(const std::shared_ptr<SimItemState>& contact);
    void CopyFrom(const SimLinks& other);
    const std::vector<Owned<SimLink>>& All() const { return links_; }

  private:
    std::vector<Owned<SimLink>> links_;
};

}  // namespace pwk::sim
