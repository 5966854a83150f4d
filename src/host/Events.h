#pragma once

#include <memory>

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
    virtual void ItemSend(const std::shared_ptr<Item>& /*item*/, bool& /*cancel*/) {}
    virtual void OptionsPagesAdd(const std::shared_ptr<PropertyPages>& /*pages*/) {}
};

class ExplorersEvents {
  public:
    virtual ~ExplorersEvents() = default;
    virtual void NewExplorer(const std::shared_ptr<Explorer>& /*explorer*/) {}
};

class InspectorsEvents {
  public:
    virtual ~InspectorsEvents() = default;
    virtual void NewInspector(const std::shared_ptr<Inspector>& /*inspector*/) {}
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
    virtual void ItemAdd(const std::shared_ptr<Item>& /*item*/) {}
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
    virtual void Click(const std::shared_ptr<CommandBarButton>& /*ctrl*/, bool& /*cancelDefault*/) {
    }
};

}  // namespace pwk::host
