#include "sim/SimItemState.h"
#include "src/util/Ref.h"

#include "sim/HostError.h"
#include "sim/HostIds.h"
#include "sim/SimWorld.h"
#include "src/host/Item.h"

namespace pwk::sim {

SimItemState::SimItemState(std::shared_ptr<SimCore> core, host::ItemType kind)
    : SimObject(std::move(core)), kind_(kind) {}

SimItemState::~SimItemState() = default;

std::string SimItemState::TextField(const std::string& field) const {
    auto found = fields_.find(field);
    if (found == fields_.end()) {
        return {};
    }
    const auto* text = std::get_if<std::string>(&found->second);
    return text ? *text : std::string();
}

void SimItemState::SetTextField(const std::string& field, std::string value) {
    const std::string before = TextField(field);
    fields_[field] = value;
    auto folder = Folder();
    if (inFolder_ && folder && ItemKinds::Indexed(field)) {
        folder->Reindex(*this, field, before, value);
    }
}

host::Date SimItemState::DateField(const std::string& field) const {
    auto found = fields_.find(field);
    const auto* date = found == fields_.end() ? nullptr : std::get_if<host::Date>(&found->second);
    return date ? *date : host::Date{};
}

void SimItemState::SetDateField(const std::string& field, host::Date value) {
    fields_[field] = value;
}

std::int32_t SimItemState::NumberField(const std::string& field) const {
    auto found = fields_.find(field);
    const auto* number =
        found == fields_.end() ? nullptr : std::get_if<std::int32_t>(&found->second);
    return number ? *number : 0;
}

void SimItemState::SetNumberField(const std::string& field, std::int32_t value) {
    fields_[field] = value;
}

Ref<host::HostObject> SimItemState::ParentObject() const {
    return LiveFolder().Self<host::HostObject>();
}

void SimItemState::SaveNow() {
    bool cancel = false;
    Core().Raise(writeEvents_, AuditType() + ".Write",
                 [&](host::ItemEvents& sink) { sink.Write(cancel); });
    if (cancel) {
        return;
    }
    ItemHolder& folder = LiveFolder();
    if (entryId_.empty()) {
        AssignEntryId(folder);
    }
    if (!inFolder_) {
        folder.Insert(Self<SimItemState>(), true);
    }
}

void SimItemState::DeleteNow() {
    if (auto folder = Folder(); folder && inFolder_) {
        folder->Remove(*this);
    }
    Invalidate(HostError::ItemDeleted, "The item has been moved or deleted.");
}

std::shared_ptr<SimItemState> SimItemState::CopyNow() {
    ItemHolder& folder = LiveFolder();
    auto copy = Core().world().BlankItem(kind_);
    copy->fields_ = fields_;
    copy->sent_ = sent_;
    CopyPartsTo(*copy);
    copy->AssignEntryId(folder);
    folder.Insert(copy, true);
    return copy;
}

void SimItemState::MoveNow(const std::shared_ptr<ItemHolder>& folder) {
    if (!folder || !folder->Valid()) {
        throw Failure(HostError::NotFound, "The target folder does not exist.", "Move");
    }
    auto current = Folder();
    if (inFolder_ && current == folder) {
        return;
    }
    if (inFolder_ && current) {
        current->Remove(*this);
    }
    if (entryId_.empty()) {
        AssignEntryId(*folder);
    }
    folder->Insert(Self<SimItemState>(), true);
}

Ref<host::Item> SimItemState::AsItem() {
    return Self<host::Item>();
}

std::string SimItemState::AuditName() const {
    const std::string fullName = TextField("FullName");
    return fullName.empty() ? TextField("Subject") : fullName;
}

void SimItemState::AssignEntryId(const ItemHolder& folder) {
    entryId_ =
        HostIds::ItemEntryID(folder.StoreName(), folder.Path(), Core().world().NextItemKey());
}

ItemHolder& SimItemState::LiveFolder() const {
    auto folder = Folder();
    if (!folder || !folder->Valid()) {
        throw Failure(HostError::NotFound, "The item's folder does not exist.", AuditType());
    }
    return *folder;
}

}  // namespace pwk::sim
