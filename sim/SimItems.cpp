#include "sim/SimItems.h"
#include "src/util/Ref.h"

#include "sim/FindFilter.h"
#include "sim/HostError.h"
#include "sim/ItemHolder.h"
#include "sim/SimCollection.h"
#include "sim/SimItemState.h"
#include "sim/SimWorld.h"

namespace pwk::sim {

SimItems::SimItems(std::shared_ptr<SimCore> core, std::weak_ptr<ItemHolder> folder)
    : SimBase<host::Items>(std::move(core)), folder_(std::move(folder)) {}

std::int32_t SimItems::Count() {
    Enter("Count");
    return SimCollection::Count(LiveFolder().Contents());
}

Ref<host::Item> SimItems::Item(std::int32_t index) {
    if (EnterGetter("Item")) {
        return nullptr;
    }
    return SimCollection::At(LiveFolder().Contents(), index, "Items.Item")->AsItem();
}

Ref<host::Item> SimItems::Find(const std::string& filter) {
    if (EnterGetter("Find")) {
        return nullptr;
    }
    const FindFilter parsed = FindFilter::Parse(filter);
    if (ItemKinds::TypeOfField(parsed.Field) != FieldType::Text) {
        throw Failure(HostError::ConditionNotValid,
                      "The property \"" + parsed.Field + "\" in the condition is not valid.",
                      "Items.Find");
    }
    auto found = LiveFolder().FindFirst(parsed.Field, parsed.Value);
    return found ? found->AsItem() : nullptr;
}

Ref<host::Item> SimItems::Add(std::optional<host::ItemType> type) {
    if (EnterGetter("Add")) {
        return nullptr;
    }
    ItemHolder& folder = LiveFolder();
    auto item = Core().world().NewItem(type.value_or(folder.DefaultType()));
    item->SetFolder(folder.Self<ItemHolder>());
    return item->AsItem();
}

Connection SimItems::Advise(host::ItemsEvents& sink) {
    Enter("Advise");
    return AuditedAdvise(events_, sink);
}

std::string SimItems::AuditName() const {
    auto folder = folder_.lock();
    return folder ? folder->Path() : std::string();
}

void SimItems::RaiseItemAdd(const std::shared_ptr<SimItemState>& item) {
    auto added = item->AsItem();
    Core().Raise(events_, "Items.ItemAdd", [&](host::ItemsEvents& sink) { sink.ItemAdd(added); });
}

ItemHolder& SimItems::LiveFolder() const {
    auto folder = folder_.lock();
    if (!folder || !folder->Valid()) {
        throw Failure(HostError::NotFound, "The folder has been deleted.", "Items");
    }
    return *folder;
}

}  // namespace pwk::sim
