#include "tools/scenario/WindowFocus.h"

#include "sim/SimApplication.h"
#include "sim/SimExplorer.h"
#include "sim/SimHost.h"
#include "sim/SimInspector.h"
#include "sim/SimItemState.h"
#include "sim/SimWindows.h"
#include "tools/scenario/Lookup.h"

namespace pwk::scenario {

namespace {

// The remembered window while it is open, else the last opened one of its kind.
template <class Window, class List>
std::shared_ptr<Window> OpenOrLast(const std::weak_ptr<Window>& remembered, const List& list) {
    if (auto window = remembered.lock(); window && window->Open()) {
        return window;
    }
    const auto& all = list.All();
    return all.empty() ? nullptr : all.back().get();
}

}  // namespace

void WindowFocus::Reset() {
    front_.reset();
    explorer_.reset();
    inspector_.reset();
}

void WindowFocus::Bring(const std::shared_ptr<sim::SimExplorer>& explorer) {
    front_ = explorer;
    explorer_ = explorer;
}

void WindowFocus::Bring(const std::shared_ptr<sim::SimInspector>& inspector) {
    front_ = inspector;
    inspector_ = inspector;
}

std::shared_ptr<sim::SimExplorer> WindowFocus::Explorer(sim::SimHost& host) const {
    return OpenOrLast(explorer_, Lookup::App(host)->ExplorerList());
}

std::shared_ptr<sim::SimInspector> WindowFocus::Inspector(sim::SimHost& host) const {
    return OpenOrLast(inspector_, Lookup::App(host)->InspectorList());
}

std::shared_ptr<sim::SimWindowState> WindowFocus::Front(sim::SimHost& host) const {
    if (auto window = front_.lock(); window && window->Open()) {
        return window;
    }
    if (auto inspector = Inspector(host)) {
        return inspector;
    }
    return Explorer(host);
}

}  // namespace pwk::scenario
