#pragma once

#include <memory>

#include "sim/SimBase.h"
#include "src/host/Items.h"
#include "src/util/EventSource.h"
#include "src/util/Ref.h"

namespace pwk::sim {

class ItemHolder;
class SimItemState;

// The items of one folder, as the host hands them out: one object per folder.
//
// Find takes [Field] = "value" and returns the first item, in folder order, whose text field
// equals the value as the host compares text: every character, letter case ignored
// ("Ann@Kestrel.example" finds "ann@kestrel.example"). The e-mail and name fields of
// contacts are indexed; any other text field is found by a scan of the folder. A field no item
// has, a date or number field, or another form of restriction fails with the host's "condition
// is not valid".
class SimItems : public SimBase<host::Items> {
  public:
    SimItems(std::shared_ptr<SimCore> core, std::weak_ptr<ItemHolder> folder);

    std::int32_t Count() override;
    Ref<host::Item> Item(std::int32_t index) override;
    Ref<host::Item> Find(const std::string& filter) override;
    Ref<host::Item> Add(std::optional<host::ItemType> type) override;
    Connection Advise(host::ItemsEvents& sink) override;

    std::string AuditName() const override;
    void RaiseItemAdd(const std::shared_ptr<SimItemState>& item);
    // How many sinks listen to ItemAdd.
    std::size_t Listeners() const { return events_.Connected(); }

  private:
    ItemHolder& LiveFolder() const;

    std::weak_ptr<ItemHolder> folder_;
    EventSource<host::ItemsEvents> events_;
};

}  // namespace pwk::sim
