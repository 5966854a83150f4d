#pragma once

#include <memory>
#include <string>
#include <vector>

#include "sim/SimBase.h"
#include "src/host/Attachments.h"
#include "src/util/Ref.h"

namespace pwk::sim {

// The attachments of an item, as records: a file by its path, an item by its EntryID. Only
// the by-value (1), by-reference (4) and embedded-item (5) types are taken; an item must be
// saved to be attached.
class SimAttachments : public SimBase<host::Attachments> {
  public:
    explicit SimAttachments(std::shared_ptr<SimCore> core)
        : SimBase<host::Attachments>(std::move(core)) {}

    std::int32_t Count() override;
    host::AttachmentInfo Item(std::int32_t index) override;
    void Add(const std::string& sourcePath, int type, std::int32_t position,
             const std::string& displayName) override;
    void Add(const Ref<host::Item>& sourceItem, int type, std::int32_t position,
             const std::string& displayName) override;

    void Append(host::AttachmentInfo info) { attachments_.push_back(std::move(info)); }
    void CopyFrom(const SimAttachments& other);
    const std::vector<host::AttachmentInfo>& All() const { return attachments_; }

  private:
    std::vector<host::AttachmentInfo> attachments_;
};

}  // namespace pwk::sim
