#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "src/host/Events.h"
#include "src/host/HostObject.h"
#include "src/host/HostTypes.h"
#include "src/util/Connection.h"
#include "src/util/Ref.h"

namespace pwk::host {

class Item;

// The items of one folder, numbered from 1.
class Items : public HostObject {
  public:
    std::string TypeName() const override { return "Items"; }

    virtual std::int32_t Count() = 0;
    virtual Ref<host::Item> Item(std::int32_t index) = 0;  // 9 when out of range
    // The first item matching a restriction of the form [Field] = "value"; empty when none.
    virtual Ref<host::Item> Find(const std::string& filter) = 0;
    // A new, unsaved item; the folder's default item type when no type is given.
    virtual Ref<host::Item> Add(std::optional<ItemType> type = std::nullopt) = 0;

    virtual Connection Advise(ItemsEvents& sink) = 0;
};

}  // namespace pwk::host
