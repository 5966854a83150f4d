#include "winharness/bridge/EventBindings.h"

#include "src/host/Application.h"
#include "src/host/AppointmentItem.h"
#include "src/host/CommandBarButton.h"
#include "src/host/Explorer.h"
#include "src/host/Explorers.h"
#include "src/host/Inspector.h"
#include "src/host/Inspectors.h"
#include "src/host/Item.h"
#include "src/host/Items.h"
#include "src/host/PropertyPages.h"
#include "win/dispatch/EventIds.h"
#include "winharness/bridge/BridgeArgs.h"
#include "winharness/bridge/EventForwarder.h"

namespace pwk::bridge {
namespace EventIds = win::EventIds;

namespace {

// Connects a new forwarder to `source`; the forwarder lives until the connection ends.
template <class Forwarder, class Source>
Connection Forward(AutomationObject& object, const win::ComPtr<IDispatch>& sink) {
    auto forwarder = std::make_shared<Forwarder>(sink);
    auto connection =
        std::make_shared<Connection>(dynamic_cast<Source&>(object).Advise(*forwarder));
    return Connection([forwarder, connection] { connection->Disconnect(); });
}

class ApplicationForwarder final : public host::ApplicationEvents, public EventForwarder {
  public:
    using EventForwarder::EventForwarder;
    void ItemSend(const Ref<host::Item>& item, bool& cancel) override {
        Fire(EventIds::ItemSend, "ItemSend", {Bridged(item)}, &cancel);
    }
    void OptionsPagesAdd(const Ref<host::PropertyPages>& pages) override {
        Fire(EventIds::OptionsPagesAdd, "OptionsPagesAdd", {Bridged(pages)});
    }
};

class ExplorersForwarder final : public host::ExplorersEvents, public EventForwarder {
  public:
    using EventForwarder::EventForwarder;
    void NewExplorer(const Ref<host::Explorer>& explorer) override {
        Fire(EventIds::NewExplorer, "NewExplorer", {Bridged(explorer)});
    }
};

class InspectorsForwarder final : public host::InspectorsEvents, public EventForwarder {
  public:
    using EventForwarder::EventForwarder;
    void NewInspector(const Ref<host::Inspector>& inspector) override {
        Fire(EventIds::NewInspector, "NewInspector", {Bridged(inspector)});
    }
};

class ExplorerForwarder final : public host::ExplorerEvents, public EventForwarder {
  public:
    using EventForwarder::EventForwarder;
    void FolderSwitch() override { Fire(EventIds::FolderSwitch, "FolderSwitch", {}); }
    void SelectionChange() override { Fire(EventIds::SelectionChange, "SelectionChange", {}); }
    void Close() override { Fire(EventIds::Close, "Close", {}); }
};

class InspectorForwarder final : public host::InspectorEvents, public EventForwarder {
  public:
    using EventForwarder::EventForwarder;
    void Close() override { Fire(EventIds::Close, "Close", {}); }
};

class ItemsForwarder final : public host::ItemsEvents, public EventForwarder {
  public:
    using EventForwarder::EventForwarder;
    void ItemAdd(const Ref<host::Item>& item) override {
        Fire(EventIds::ItemAdd, "ItemAdd", {Bridged(item)});
    }
};

class ItemForwarder final : public host::ItemEvents, public EventForwarder {
  public:
    using EventForwarder::EventForwarder;
    void Write(bool& cancel) override { Fire(EventIds::Write, "Write", {}, &cancel); }
};

class ButtonForwarder final : public host::CommandBarButtonEvents, public EventForwarder {
  public:
    using EventForwarder::EventForwarder;
    void Click(const Ref<host::CommandBarButton>& ctrl, bool& cancelDefault) override {
        Fire(EventIds::Click, "Click", {Bridged(ctrl)}, &cancelDefault);
    }
};

}  // namespace

Connection ForwardApplicationEvents(AutomationObject& object, const win::ComPtr<IDispatch>& sink) {
    return Forward<ApplicationForwarder, host::Application>(object, sink);
}

Connection ForwardExplorersEvents(AutomationObject& object, const win::ComPtr<IDispatch>& sink) {
    return Forward<ExplorersForwarder, host::Explorers>(object, sink);
}

Connection ForwardInspectorsEvents(AutomationObject& object, const win::ComPtr<IDispatch>& sink) {
    return Forward<InspectorsForwarder, host::Inspectors>(object, sink);
}

Connection ForwardExplorerEvents(AutomationObject& object, const win::ComPtr<IDispatch>& sink) {
    return Forward<ExplorerForwarder, host::Explorer>(object, sink);
}

Connection ForwardInspectorEvents(AutomationObject& object, const win::ComPtr<IDispatch>& sink) {
    return Forward<InspectorForwarder, host::Inspector>(object, sink);
}

Connection ForwardItemsEvents(AutomationObject& object, const win::ComPtr<IDispatch>& sink) {
    return Forward<ItemsForwarder, host::Items>(object, sink);
}

Connection ForwardItemEvents(AutomationObject& object, const win::ComPtr<IDispatch>& sink) {
    return Forward<ItemForwarder, host::AppointmentItem>(object, sink);
}

Connection ForwardButtonEvents(AutomationObject& object, const win::ComPtr<IDispatch>& sink) {
    return Forward<ButtonForwarder, host::CommandBarButton>(object, sink);
}

}  // namespace pwk::bridge
