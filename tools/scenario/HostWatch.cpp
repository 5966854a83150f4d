#include "tools/scenario/HostWatch.h"

#include <algorithm>

#include "sim/SimApplication.h"
#include "sim/SimCommandBar.h"
#include "sim/SimCommandBars.h"
#include "sim/SimControlState.h"
#include "sim/SimExplorer.h"
#include "sim/SimFolder.h"
#include "sim/SimHost.h"
#include "sim/SimInspector.h"
#include "sim/SimItemState.h"
#include "sim/SimNameSpace.h"
#include "sim/SimWindows.h"
#include "tools/scenario/Describe.h"
#include "tools/scenario/Lookup.h"
#include "tools/scenario/Transcript.h"

namespace pwk::scenario {

namespace {

// The same object, even when one of the two is gone (its address may have been reused).
template <class T>
bool Same(const std::weak_ptr<T>& a, const std::weak_ptr<T>& b) {
    return !a.owner_before(b) && !b.owner_before(a);
}

}  // namespace

std::string HostWatch::Label(const sim::SimObject& window) {
    const void* key = &window;
    const auto owner = labelOwners_.find(key);
    const std::weak_ptr<sim::SimObject> self =
        const_cast<sim::SimObject&>(window).shared_from_this();
    if (owner != labelOwners_.end() && Same(owner->second, self)) {
        return labels_[key];
    }
    const bool explorer = dynamic_cast<const sim::SimExplorer*>(&window) != nullptr;
    std::string label = explorer ? "explorer #" + std::to_string(++explorers_)
                                 : "inspector #" + std::to_string(++inspectors_);
    labelOwners_[key] = self;
    labels_[key] = label;
    return label;
}

void HostWatch::Baseline(sim::SimHost& host) {
    labelOwners_.clear();
    labels_.clear();
    explorers_ = 0;
    inspectors_ = 0;
    if (labelsOnly_) {
        LabelWindows(host);
        return;
    }
    last_ = Take(host);
}

void HostWatch::LabelWindows(sim::SimHost& host) {
    const auto app = Lookup::App(host);
    for (const auto& explorer : app->ExplorerList().All()) {
        Label(*explorer.get());
    }
    for (const auto& inspector : app->InspectorList().All()) {
        Label(*inspector.get());
    }
}

void HostWatch::TakeFolder(const std::shared_ptr<sim::SimFolder>& folder, Picture& picture) {
    for (const auto& item : folder->Contents()) {
        picture.Items[item.get().get()] =
            ItemView{item.get(), folder->Path(), Describe::Item(*item), picture.Items.size()};
    }
    for (const auto& sub : folder->Subfolders()) {
        TakeFolder(sub.get(), picture);
    }
}

void HostWatch::TakeWindow(const std::shared_ptr<sim::SimWindowState>& window,
                           const std::string& shows, const void* item, Picture& picture) {
    const std::string label = Label(*window);
    picture.Windows[window.get()] = WindowView{window, label, shows, item, picture.Windows.size()};
    for (const auto& bar : window->Bars().Bars()) {
        bar->ForEachControl([&](sim::SimControlState& control) {
            picture.Controls[&control] = ControlView{control.Self<sim::SimControlState>(),
                                                     window,
                                                     Describe::BarOf(control) + " bar of " + label,
                                                     Describe::Control(control),
                                                     control.Spec.Caption,
                                                     picture.Controls.size()};
        });
    }
}

HostWatch::Picture HostWatch::Take(sim::SimHost& host) {
    Picture picture;
    for (const auto& store : host.Mailbox().Stores()) {
        TakeFolder(store.Top.get(), picture);
    }
    const auto app = Lookup::App(host);
    for (const auto& explorer : app->ExplorerList().All()) {
        const auto folder = explorer->Folder();
        TakeWindow(explorer.get(), folder ? "on \"" + folder->Path() + "\"" : "on no folder",
                   nullptr, picture);
    }
    for (const auto& inspector : app->InspectorList().All()) {
        const auto& item = inspector->Shown();
        TakeWindow(inspector.get(), item ? "showing " + Describe::ItemName(*item) : "empty",
                   item.get(), picture);
    }
    picture.Displayed = host.Displayed().size();
    picture.Commands = host.CommandsRun().size();
    return picture;
}

std::vector<const void*> HostWatch::ReportWindows(const Picture& now,
                                                  Transcript& transcript) const {
    std::vector<const void*> newlyShown;
    for (const auto& [key, viewPointer] : InOrder(now.Windows)) {
        const WindowView& view = *viewPointer;
        const auto old = last_.Windows.find(key);
        if (old == last_.Windows.end() || !Same(old->second.Window, view.Window)) {
            transcript.Event(view.Label + " opens " + view.Shows);
            newlyShown.push_back(view.Item);
        } else if (old->second.Shows != view.Shows) {
            transcript.Event(view.Label + " now " + view.Shows);
        }
    }
    for (const auto& [key, viewPointer] : InOrder(last_.Windows)) {
        const WindowView& view = *viewPointer;
        const auto still = now.Windows.find(key);
        if (still == now.Windows.end() || !Same(still->second.Window, view.Window)) {
            transcript.Event(view.Label + " closes");
        }
    }
    return newlyShown;
}

template <class View>
std::vector<std::pair<const void*, const View*>> HostWatch::InOrder(
    const std::map<const void*, View>& views) {
    std::vector<std::pair<const void*, const View*>> ordered;
    for (const auto& [key, view] : views) {
        ordered.emplace_back(key, &view);
    }
    std::sort(ordered.begin(), ordered.end(),
              [](const auto& a, const auto& b) { return a.second->Order < b.second->Order; });
    return ordered;
}

void HostWatch::ReportControls(const Picture& now, Transcript& transcript) const {
    // Removals first: a settings change takes the old buttons away before it adds new ones.
    for (const auto& [key, viewPointer] : InOrder(last_.Controls)) {
        const ControlView& view = *viewPointer;
        const auto still = now.Controls.find(key);
        const bool gone = still == now.Controls.end() || !Same(still->second.Control, view.Control);
        // Controls of a closing window go with it; that is not news.
        const auto window = view.Window.lock();
        if (gone && window && window->Open()) {
            transcript.Event("- " + view.Summary + " removed from " + view.Place);
        }
    }
    for (const auto& [key, viewPointer] : InOrder(now.Controls)) {
        const ControlView& view = *viewPointer;
        const auto old = last_.Controls.find(key);
        if (old == last_.Controls.end() || !Same(old->second.Control, view.Control)) {
            const auto control = view.Control.lock();
            const auto window = view.Window.lock();
            // A new window's own controls (the host's, and any an earlier run left for good)
            // came with it; only added ones are news.
            const bool cameWithWindow =
                window && last_.Windows.count(window.get()) == 0 && control && !control->Temporary;
            if (control && !control->Spec.BuiltIn && !cameWithWindow) {
                transcript.Event("+ " + view.Summary + " on " + view.Place);
            }
        } else if (old->second.Summary != view.Summary || old->second.Place != view.Place) {
            transcript.Event("~ " + view.Summary + " on " + view.Place + ", was " +
                             old->second.Summary);
        }
    }
}

void HostWatch::ReportItems(const Picture& now, Transcript& transcript) const {
    for (const auto& [key, viewPointer] : InOrder(now.Items)) {
        const ItemView& view = *viewPointer;
        const auto old = last_.Items.find(key);
        if (old == last_.Items.end() || !Same(old->second.Item, view.Item)) {
            transcript.Event("+ " + view.Summary + " in \"" + view.Folder + "\"");
        } else if (old->second.Folder != view.Folder) {
            transcript.Event("> " + view.Summary + " moves from \"" + old->second.Folder +
                             "\" to \"" + view.Folder + "\"");
        } else if (old->second.Summary != view.Summary) {
            transcript.Event("~ " + view.Summary + " in \"" + view.Folder + "\", was " +
                             old->second.Summary);
        }
    }
    for (const auto& [key, viewPointer] : InOrder(last_.Items)) {
        const ItemView& view = *viewPointer;
        const auto still = now.Items.find(key);
        if (still == now.Items.end() || !Same(still->second.Item, view.Item)) {
            transcript.Event("- " + view.Summary + " leaves \"" + view.Folder + "\"");
        }
    }
}

void HostWatch::ReportHostRecords(sim::SimHost& host, const std::vector<const void*>& newlyShown,
                                  Transcript& transcript) const {
    const auto& displayed = host.Displayed();
    for (std::size_t i = last_.Displayed; i < displayed.size(); ++i) {
        const auto& item = displayed[i].Item;
        // An item shown in a new inspector has been told of with the window.
        if (!displayed[i].Modal &&
            std::find(newlyShown.begin(), newlyShown.end(), item.get().get()) != newlyShown.end()) {
            continue;
        }
        transcript.Event("shown: " + (item ? Describe::Item(*item) : std::string("?")) +
                         (displayed[i].Modal ? " (modal)" : ""));
    }
    const auto& commands = host.CommandsRun();
    for (std::size_t i = last_.Commands; i < commands.size(); ++i) {
        transcript.Event("host command " + std::to_string(commands[i].Id) + " \"" +
                         commands[i].Caption + "\" runs");
    }
}

void HostWatch::Report(sim::SimHost& host, Transcript& transcript) {
    if (labelsOnly_) {
        LabelWindows(host);
        return;
    }
    Picture now = Take(host);
    const std::vector<const void*> newlyShown = ReportWindows(now, transcript);
    ReportHostRecords(host, newlyShown, transcript);
    ReportItems(now, transcript);
    ReportControls(now, transcript);
    last_ = std::move(now);
}

}  // namespace pwk::scenario
