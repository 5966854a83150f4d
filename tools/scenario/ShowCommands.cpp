// Looking at the host, the settings and the log.

#include <functional>

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
#include "tools/scenario/CommandRunner.h"
#include "tools/scenario/Describe.h"
#include "tools/scenario/Lookup.h"
#include "tools/scenario/Session.h"
#include "tools/scenario/Transcript.h"

namespace pwk::scenario {

namespace {

void ListFolders(const sim::SimFolder& folder, int depth, Transcript& transcript) {
    transcript.Event(std::string(static_cast<std::size_t>(depth) * 2, ' ') + folder.FolderName() +
                     " (" + std::to_string(folder.Contents().size()) + " items)");
    for (const auto& sub : folder.Subfolders()) {
        ListFolders(*sub, depth + 1, transcript);
    }
}

}  // namespace

void CommandRunner::ShowFolder(const Command& command) {
    const auto folder = Folder(command.Args[0]);
    const auto& items = folder->Contents();
    transcript_.Event("\"" + folder->Path() + "\": " + std::to_string(items.size()) + " items");
    for (std::size_t i = 0; i < items.size(); ++i) {
        transcript_.Event("  " + std::to_string(i + 1) + ". " + Describe::Item(*items[i]));
    }
}

void CommandRunner::ShowFolders(const Command& /*command*/) {
    for (const auto& store : session_.Host().Mailbox().Stores()) {
        ListFolders(*store.Top, 0, transcript_);
    }
}

void CommandRunner::ShowButtons(const Command& /*command*/) {
    const auto window = FrontWindow();
    transcript_.Event("controls of " + Where(*window) + ":");
    for (const auto& bar : window->Bars().Bars()) {
        bar->ForEachControl([&](sim::SimControlState& control) {
            transcript_.Event("  " + Describe::BarOf(control) + ": " + Describe::Control(control));
        });
    }
}

void CommandRunner::ShowWindows(const Command& /*command*/) {
    sim::SimHost& host = session_.Host();
    const auto app = Lookup::App(host);
    const auto front = focus_.Front(host);
    int n = 0;
    for (const auto& explorer : app->ExplorerList().All()) {
        const auto folder = explorer->Folder();
        transcript_.Event("explorer " + std::to_string(++n) + " = " + Where(*explorer) + " on \"" +
                          (folder ? folder->Path() : std::string()) + "\"" +
                          (front == explorer.get() ? " (front)" : ""));
    }
    n = 0;
    for (const auto& inspector : app->InspectorList().All()) {
        const auto& item = inspector->Shown();
        transcript_.Event("inspector " + std::to_string(++n) + " = " + Where(*inspector) +
                          " showing " + (item ? Describe::Item(*item) : std::string("nothing")) +
                          (front == inspector.get() ? " (front)" : ""));
    }
    if (app->ExplorerList().All().empty() && app->InspectorList().All().empty()) {
        transcript_.Event("no window is open");
    }
}

void CommandRunner::ShowSettings(const Command& /*command*/) {
    const auto lines = session_.SettingsDump();
    transcript_.Event("settings (" + session_.SettingsLocation() +
                      "): " + std::to_string(lines.size()) + " values");
    for (const std::string& line : lines) {
        transcript_.Event("  " + line);
    }
}

void CommandRunner::ShowLog(const Command& /*command*/) {
    const std::string log = session_.LogText();
    if (log.empty()) {
        transcript_.Event("the log is empty");
        return;
    }
    transcript_.Event("the log:");
    transcript_.Block(log.back() == '\n' ? log.substr(0, log.size() - 1) : log);
}

void CommandRunner::ShowHeld(const Command& /*command*/) {
    const auto held = session_.Host().HeldObjects();
    transcript_.Event(std::to_string(held.size()) + " host objects held from outside");
    for (const auto& object : held) {
        transcript_.Event("  " + object.Type + " \"" + object.Name + "\" x" +
                          std::to_string(object.Holders));
    }
}

void CommandRunner::ShowCalls(const Command& /*command*/) {
    const sim::FaultInjector& faults = session_.Host().Faults();
    transcript_.Event(std::to_string(faults.Calls()) + " host calls");
    for (const auto& [member, calls] : faults.CallsPerMember()) {
        const bool getter = faults.ObjectGetters().contains(member);
        transcript_.Event("  " + member + " x" + std::to_string(calls) +
                          (getter ? " (object)" : ""));
    }
}

}  // namespace pwk::scenario
