#include "sim/SimAttachments.h"
#include "src/util/Ref.h"

#include "sim/HostError.h"
#include "sim/SimCollection.h"
#include "sim/SimItemState.h"
#include "src/host/Item.h"

namespace pwk::sim {
namespace {

void CheckType(int type) {
    if (type != host::AttachmentType::ByValue && type != host::AttachmentType::ByReference &&
        type != host::AttachmentType::EmbeddedItem) {
        Raise(FailureNumber::InvalidProcedureCall, "Attachments.Add");
    }
}

}  // namespace

std::int32_t SimAttachments::Count() {
    Enter("Count");
    return SimCollection::Count(attachments_);
}

host::AttachmentInfo SimAttachments::Item(std::int32_t index) {
    Enter("Item");
    return SimCollection::At(attachments_, index, "Attachments.Item");
}

void SimAttachments::Add(const std::string& sourcePath, int type, std::int32_t position,
                         const std::string& displayName) {
    Enter("Add");
    CheckType(type);
    if (sourcePath.empty()) {
        Raise(FailureNumber::InvalidProcedureCall, "Attachments.Add");
    }
    const std::string fileName = sourcePath.substr(sourcePath.find_last_of("\\/") + 1);
    Append({type, displayName.empty() ? fileName : displayName, sourcePath, position});
}

void SimAttachments::Add(const Ref<host::Item>& sourceItem, int type, std::int32_t position,
                         const std::string& displayName) {
    Enter("Add");
    CheckType(type);
    auto item = As<SimItemState>(sourceItem.Shared());
    if (!item) {
        Raise(FailureNumber::TypeMismatch, "Attachments.Add");
    }
    if (!item->Valid() || item->EntryId().empty()) {
        throw Failure(HostError::OperationFailed, "The item must be saved to be attached.",
                      "Attachments.Add");
    }
    const std::string name = displayName.empty() ? item->TextField("Subject") : displayName;
    Append({type, name, item->EntryId(), position});
}

void SimAttachments::CopyFrom(const SimAttachments& other) {
    attachments_.insert(attachments_.end(), other.attachments_.begin(), other.attachments_.end());
}

}  // namespace pwk::sim
