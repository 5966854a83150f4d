#pragma once

#include <memory>
#include <string>
#include <vector>

#include "sim/Owned.h"
#include "sim/SimBase.h"
#include "sim/SimRecipient.h"
#include "src/host/Recipients.h"
#include "src/util/Ref.h"

namespace pwk::sim {

// The recipients of a mail. Add resolves a text holding "@" as an address; any other text
// stays an unresolved name.
class SimRecipients : public SimBase<host::Recipients> {
  public:
    explicit SimRecipients(std::shared_ptr<SimCore> core)
        : SimBase<host::Recipients>(std::move(core)) {}

    std::int32_t Count() override;
    Ref<host::Recipient> Item(std::int32_t index) override;
    Ref<host::Recipient> Add(const std::string& address) override;

    std::shared_ptr<SimRecipient> AddRecipient(const std::string& name, const std::string& address,
                                               RecipientKind kind);
    void CopyFrom(const SimRecipients& other);
    const std::vector<Owned<SimRecipient>>& All() const { return recipients_; }

  private:
    std::vector<Owned<SimRecipient>> recipients_;
};

}  // namespace pwk::sim
