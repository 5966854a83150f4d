#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "src/host/HostObject.h"
#include "src/util/Ref.h"

namespace pwk::host {

class Item;

// One attachment, as the host keeps it.
struct AttachmentInfo {
    int Type = 0;  // AttachmentType
    std::string DisplayName;
    std::string Source;  // a file path, or the EntryID of an attached item
    std::int32_t Position = 0;
};

class Attachments : public HostObject {
  public:
    std::string TypeName() const override { return "Attachments"; }

    virtual std::int32_t Count() = 0;
    virtual AttachmentInfo Item(std::int32_t index) = 0;  // 9 when out of range
    // `source` is a file path or an item; fails when the source cannot be attached.
    virtual void Add(const std::string& sourcePath, int type, std::int32_t position,
                     const std::string& displayName) = 0;
    virtual void Add(const Ref<host::Item>& sourceItem, int type, std::int32_t position,
                     const std::string& displayName) = 0;
};

}  // namespace pwk::host
