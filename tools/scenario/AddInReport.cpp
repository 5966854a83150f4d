// What the add-in's owner can see of it, for the transcript.

#include "sim/SimApplication.h"
#include "sim/SimExplorer.h"
#include "sim/SimFolder.h"
#include "sim/SimHost.h"
#include "sim/SimInspector.h"
#include "sim/SimItemState.h"
#include "sim/SimItems.h"
#include "sim/SimNameSpace.h"
#include "sim/SimWindows.h"
#include "src/app/PWKAddinApp.h"
#include "src/startup/Connect.h"
#include "src/util/Ref.h"
#include "tools/scenario/CommandRunner.h"
#include "tools/scenario/ExpectationFailed.h"
#include "tools/scenario/ExternalAddIn.h"
#include "tools/scenario/Lookup.h"
#include "tools/scenario/ScenarioError.h"
#include "tools/scenario/Session.h"
#include "tools/scenario/Transcript.h"

namespace pwk::scenario {

// An external add-in as the host sees it: loaded or let go, connected to the application's
// events or not, holding the host's objects or not, the windows whose events it listens to, and
// the one it watches (whose events it listens to twice).
std::string CommandRunner::ExternalAddInState(ExternalAddIn& external) {
    if (!session_.AddInCreated()) {
        return "";
    }
    sim::SimHost& host = session_.Host();
    if (!host.AddInLoaded(Session::AddInProgID)) {
        return "add-in: let go by the host";
    }
    return Summary(external.SeenHooks(host), !host.HeldObjects().empty());
}

// One rule both ways, by what the host sees: an add-in that listens to none of the
// application's events is inert while it holds something of the host (its start-up ended
// early), else it released everything; one that listens has its hooks counted.
std::string CommandRunner::Summary(const ExternalAddIn::Hooks& hooks, bool holdsHost) {
    if (!hooks.Application) {
        return holdsHost ? "add-in: inert" : "add-in: released everything";
    }
    return "add-in: hooks " + std::to_string(hooks.Explorers) + " explorer(s), " +
           std::to_string(hooks.Inspectors) + " inspector(s)" +
           (hooks.SentItems ? " and Sent Items" : "") + "; " + Watching(hooks.Watched);
}

const sim::SimObject* CommandRunner::WatchedWindow() {
    if (ExternalAddIn* external = session_.External()) {
        return session_.Started() ? external->SeenHooks(session_.Host()).Watched : nullptr;
    }
    const auto connect = session_.AddIn();
    if (!connect) {
        return nullptr;
    }
    if (const auto explorer = As<sim::SimExplorer>(connect->WatchedExplorer())) {
        return explorer.get();
    }
    return As<sim::SimInspector>(connect->WatchedInspector()).get();
}

std::string CommandRunner::Watching(const sim::SimObject* window) {
    return window ? "watches " + watch_.Label(*window) : "watches no window";
}

std::string CommandRunner::AddInState() {
    if (ExternalAddIn* external = session_.External()) {
        return ExternalAddInState(*external);
    }
    const auto connect = session_.AddIn();
    if (!connect) {
        return session_.AddInCreated() ? "add-in: let go by the host" : "";
    }
    const auto app = connect->AddinApp();
    ExternalAddIn::Hooks hooks;
    hooks.Application = app && session_.Started() && Lookup::App(session_.Host())->Listeners() > 0;
    hooks.Explorers = app ? app->HookedExplorerCount() : 0;
    hooks.Inspectors = app ? app->HookedInspectorCount() : 0;
    hooks.SentItems = SentItemsHooked();
    hooks.Watched = WatchedWindow();
    return Summary(hooks, connect->HoldsHost());
}

// Whether the add-in listens to the Sent Items folder's new items, as the host sees it: a hook
// given no folder by the host listens to nothing.
bool CommandRunner::SentItemsHooked() {
    if (ExternalAddIn* external = session_.External()) {
        return session_.Started() && external->SeenHooks(session_.Host()).SentItems;
    }
    if (!session_.Started()) {
        return false;
    }
    const auto sent = session_.Host().Mailbox().DefaultFolder(host::DefaultFolder::SentMail);
    return sent && sent->ItemsObject().Listeners() > 0;
}

void CommandRunner::ExpectWatching(const Command& command) {
    const sim::SimObject* watched = WatchedWindow();
    const std::string found = "it " + Watching(watched);
    const std::string& kind = command.Args[0];
    if (kind == "none") {
        if (command.Args.size() > 1) {
            throw CommandError("expect watching none takes no number");
        }
        if (watched != nullptr) {
            throw ExpectationFailed("the add-in watches no window", found);
        }
        return;
    }
    if (command.Args.size() < 2) {
        throw CommandError("say which " + kind + ": expect watching " + kind + " N");
    }
    const auto app = Lookup::App(session_.Host());
    const std::int64_t n = Lookup::Number(command.Args[1]);
    const sim::SimObject* wanted = nullptr;
    if (kind == "explorer" && n >= 1 &&
        static_cast<std::size_t>(n) <= app->ExplorerList().All().size()) {
        wanted = app->ExplorerList().All()[static_cast<std::size_t>(n - 1)].get().get();
    } else if (kind == "inspector" && n >= 1 &&
               static_cast<std::size_t>(n) <= app->InspectorList().All().size()) {
        wanted = app->InspectorList().All()[static_cast<std::size_t>(n - 1)].get().get();
    }
    if (wanted == nullptr) {
        throw CommandError("there is no " + kind + " " + command.Args[1] + " open");
    }
    if (watched != wanted) {
        throw ExpectationFailed("the add-in watches " + kind + " " + command.Args[1] + " (" +
                                    watch_.Label(*wanted) + ")",
                                found);
    }
}

void CommandRunner::ReportAddIn() {
    const std::string state = AddInState();
    if (state != lastAddInState_ && !state.empty()) {
        transcript_.Event(state);
    }
    lastAddInState_ = state;
}

}  // namespace pwk::scenario
