#include "winharness/simrun/SeenHooks.h"

#include <algorithm>
#include <vector>

#include "sim/SimApplication.h"
#include "sim/SimCommandBar.h"
#include "sim/SimCommandBars.h"
#include "sim/SimControlState.h"
#include "sim/SimExplorer.h"
#include "sim/SimFolder.h"
#include "sim/SimInspector.h"
#include "sim/SimItems.h"
#include "sim/SimNameSpace.h"
#include "sim/SimWindows.h"
#include "tools/scenario/Lookup.h"
#include "win/dispatch/EventIds.h"
#include "winharness/bridge/EventLinks.h"

namespace pwk::simrun {

namespace {

struct Window {
    const sim::SimWindowState* State;
    bool Explorer;
    std::size_t Connections;
    bool Buttons;
};

bool HasListenedButtons(const sim::SimWindowState& window, const bridge::EventLinks& links) {
    bool listened = false;
    for (const auto& bar : window.Bars().Bars()) {
        bar->ForEachControl([&](sim::SimControlState& control) {
            const auto* button = dynamic_cast<const AutomationObject*>(&control);
            if (button != nullptr && links.Sinks(*button, win::EventIds::CommandBarButton) > 0) {
                listened = true;
            }
        });
    }
    return listened;
}

template <class List>
void Collect(const List& windows, bool explorers, const IID& events,
             const bridge::EventLinks& links, std::vector<Window>& found) {
    for (const auto& window : windows.All()) {
        const auto& state = *window.get();
        const std::size_t connections = links.Sinks(state, events);
        if (connections > 0) {
            found.push_back({&state, explorers, connections, HasListenedButtons(state, links)});
        }
    }
}

// Windows the host has closed while the add-in stays connected to them, after the open ones:
// a watch left on a closed window is still the add-in's watch.
void CollectClosed(bool explorers, const IID& events, const bridge::EventLinks& links,
                   std::vector<Window>& found) {
    const std::size_t open = found.size();
    for (const auto& object : links.LiveObjects(events)) {
        const auto* state = dynamic_cast<const sim::SimWindowState*>(object.get());
        const auto listed = [&](const Window& window) { return window.State == state; };
        if (state != nullptr && std::none_of(found.begin(), found.begin() + open, listed)) {
            found.push_back({state, explorers, links.Sinks(*object, events),
                             HasListenedButtons(*state, links)});
        }
    }
}

}  // namespace

scenario::ExternalAddIn::Hooks SeenHooks(sim::SimHost& host) {
    const bridge::EventLinks& links = bridge::EventLinks::Instance();
    scenario::ExternalAddIn::Hooks hooks;
    hooks.Application = links.Objects(win::EventIds::Application) > 0;
    if (const auto sent = host.Mailbox().DefaultFolder(host::DefaultFolder::SentMail)) {
        hooks.SentItems = links.Sinks(sent->ItemsObject(), win::EventIds::Items) > 0;
    }
    const auto app = scenario::Lookup::App(host);
    std::vector<Window> windows;
    Collect(app->ExplorerList(), true, win::EventIds::Explorer, links, windows);
    CollectClosed(true, win::EventIds::Explorer, links, windows);
    Collect(app->InspectorList(), false, win::EventIds::Inspector, links, windows);
    CollectClosed(false, win::EventIds::Inspector, links, windows);

    const Window* watched = nullptr;
    for (const Window& window : windows) {
        if (window.Connections >= 2) {
            watched = &window;
        }
    }
    const Window* watchOnly = nullptr;
    if (watched == nullptr) {
        for (const Window& window : windows) {
            if (!window.Buttons && watchOnly == nullptr) {
                watchOnly = &window;
            }
        }
        watched = watchOnly;
    }
    // A link whose window is gone counts as a hook too.
    std::size_t explorers = 0;
    for (const Window& window : windows) {
        explorers += window.Explorer ? 1 : 0;
        if (&window != watchOnly) {
            ++(window.Explorer ? hooks.Explorers : hooks.Inspectors);
        }
    }
    hooks.Explorers +=
        static_cast<std::int64_t>(links.Objects(win::EventIds::Explorer) - explorers);
    hooks.Inspectors += static_cast<std::int64_t>(links.Objects(win::EventIds::Inspector) -
                                                  (windows.size() - explorers));
    hooks.Watched = watched != nullptr ? watched->State : nullptr;
    return hooks;
}

}  // namespace pwk::simrun
