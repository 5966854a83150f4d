#pragma once

#include "sim/SimAttachments.h"
#include "sim/SimTimedItem.h"
#include "src/host/JournalItem.h"
#include "src/util/Ref.h"

namespace pwk::sim {

class SimJournalItem : public SimTimedItem<host::JournalItem> {
  public:
    explicit SimJournalItem(std::shared_ptr<SimCore> core)
        : SimTimedItem(std::move(core), host::ItemType::Journal) {}

    std::string Type() override { return Get("Type"); }
    void SetType(const std::string& type) override { Set("Type", type); }
    Ref<host::Attachments> GetAttachments() override {
        if (EnterGetter("Attachments")) {
            return nullptr;
        }
        return AttachmentsObject().Self<host::Attachments>();
    }
};

}  // namespace pwk::sim
