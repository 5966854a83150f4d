#pragma once

#include "src/host/Attachments.h"
#include "src/host/Item.h"
#include "win/dispatch/DispatchAdapter.h"
#include "win/dispatch/PlainObject.h"

namespace pwk::win {

class DispatchAttachments final : public DispatchAdapter<host::Attachments> {
  public:
    using DispatchAdapter::DispatchAdapter;
    std::int32_t Count() override { return Int("Count"); }
    // The attachment's source is where it was attached from: its path name.
    host::AttachmentInfo Item(std::int32_t index) override {
        const PlainObject<struct Attachment> one(Get("Item", index));
        return host::AttachmentInfo{one.Get("Type").ToInt32(), one.Get("DisplayName").ToString(),
                                    one.Get("PathName").ToString(), one.Get("Position").ToInt32()};
    }
    void Add(const std::string& sourcePath, int type, std::int32_t position,
             const std::string& displayName) override {
        Call("Add", sourcePath, type, position, displayName);
    }
    void Add(const Ref<host::Item>& sourceItem, int type, std::int32_t position,
             const std::string& displayName) override {
        Call("Add", DispatchOf(sourceItem.get()), type, position, displayName);
    }
};

}  // namespace pwk::win
