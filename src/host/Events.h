#pragma once

#include <memory>
#include "src/util/Ref.h"

namespace pwk::host {

class Item;
class Explorer;
class Inspector;
class PropertyPages;
class CommandBarButton;

// Event interfaces of the host. Every handler has an empty default, so a sink overrides only
// the events it wants.

class ApplicationEvents {
  public:
    virtual ~ApplicationEvents() = default;
    virtual void ItemSend(const Ref<Item>& /*item*/, bool& /*cancel*/) {}
    virtual void OptionsPagesAdd(const Ref<PropertyPages>& /*pages*/) {}
};

class ExplorersEvents {
  public:
    virtual ~ExplorersEvents() = default;
    virtual void NewExplorer(const Ref<Explorer>& /*explorer*/) {}
};

class InspectorsEvents {
  public:
    virtual ~InspectorsEvents() = default;
    virtual void NewInspector(const Ref<Inspector>& /*inspector*/) {}
};

class ExplorerEvents {
  public:
    virtual ~ExplorerEvents() = default;
    virtual void FolderSwitch() {}
    virtual void SelectionChange() {}
    virtual void Close() {}
};

class InspectorEvents {
  public:
    virtual ~InspectorEvents() = default;
    virtual void Close() {}
};

class ItemsEvents {
  public:
    virtual ~ItemsEvents() = default;
    virtual void ItemAdd(const Ref<Item>& /*item*/) {}
};

// Events of one item (the appointment's save).
class ItemEvents {
  public:
    virtual ~ItemEvents() = default;
    virtual void Write(bool& /*cancel*/) {}
};

class CommandBarButtonEvents {
  public:
    virtual ~CommandBarButtonEvents() = default;
    virtual void Click(const Ref<CommandBarButton>& /*ctrl*/, bool& /*cancelDefault*/) {}
};

}  // namespace pwk::host
