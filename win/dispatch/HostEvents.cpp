#include "win/dispatch/HostEvents.h"

#include "src/host/CommandBarButton.h"
#include "src/host/Explorer.h"
#include "src/host/Inspector.h"
#include "src/host/Item.h"
#include "src/host/PropertyPages.h"
#include "win/dispatch/EventIds.h"
#include "win/dispatch/EventSink.h"
#include "win/dispatch/WrapObject.h"

namespace pwk::win {

Connection AdviseApplication(IDispatch* source, host::ApplicationEvents& sink) {
    return EventSink::Advise(
        source, EventIds::Application,
        {{EventIds::ItemSend,
          [&sink](EventArgs& args) {
              const auto item = WrapObject<host::Item>(args.Object(0));
              args.WithFlag(1, [&](bool& cancel) { sink.ItemSend(item, cancel); });
          }},
         {EventIds::OptionsPagesAdd, [&sink](EventArgs& args) {
              sink.OptionsPagesAdd(WrapObject<host::PropertyPages>(args.Object(0)));
          }}});
}

Connection AdviseExplorers(IDispatch* source, host::ExplorersEvents& sink) {
    return EventSink::Advise(source, EventIds::Explorers,
                             {{EventIds::NewExplorer, [&sink](EventArgs& args) {
                                   sink.NewExplorer(WrapObject<host::Explorer>(args.Object(0)));
                               }}});
}

Connection AdviseInspectors(IDispatch* source, host::InspectorsEvents& sink) {
    return EventSink::Advise(source, EventIds::Inspectors,
                             {{EventIds::NewInspector, [&sink](EventArgs& args) {
                                   sink.NewInspector(WrapObject<host::Inspector>(args.Object(0)));
                               }}});
}

Connection AdviseExplorer(IDispatch* source, host::ExplorerEvents& sink) {
    return EventSink::Advise(
        source, EventIds::Explorer,
        {{EventIds::FolderSwitch, [&sink](EventArgs&) { sink.FolderSwitch(); }},
         {EventIds::SelectionChange, [&sink](EventArgs&) { sink.SelectionChange(); }},
         {EventIds::Close, [&sink](EventArgs&) { sink.Close(); }}});
}

Connection AdviseInspector(IDispatch* source, host::InspectorEvents& sink) {
    return EventSink::Advise(source, EventIds::Inspector,
                             {{EventIds::Close, [&sink](EventArgs&) { sink.Close(); }}});
}

Connection AdviseItems(IDispatch* source, host::ItemsEvents& sink) {
    return EventSink::Advise(source, EventIds::Items,
                             {{EventIds::ItemAdd, [&sink](EventArgs& args) {
                                   sink.ItemAdd(WrapObject<host::Item>(args.Object(0)));
                               }}});
}

Connection AdviseItem(IDispatch* source, host::ItemEvents& sink) {
    return EventSink::Advise(source, EventIds::Item,
                             {{EventIds::Write, [&sink](EventArgs& args) {
                                   args.WithFlag(0, [&](bool& cancel) { sink.Write(cancel); });
                               }}});
}

Connection AdviseButton(IDispatch* source, host::CommandBarButtonEvents& sink) {
    return EventSink::Advise(
        source, EventIds::CommandBarButton,
        {{EventIds::Click, [&sink](EventArgs& args) {
              const auto button = WrapObject<host::CommandBarButton>(args.Object(0));
              args.WithFlag(1, [&](bool& cancelDefault) { sink.Click(button, cancelDefault); });
          }}});
}

}  // namespace pwk::win
