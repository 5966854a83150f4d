#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "src/platform/AutomationObject.h"
#include "tools/scenario/PageDriver.h"
#include "tools/scenario/ScenarioMachine.h"

namespace pwk {
class SettingsStore;
}

namespace pwk::sim {
class SimHost;
class SimObject;
}  // namespace pwk::sim

namespace pwk::scenario {

// The add-in as a component of its own that the host loads by ProgID (the Windows component
// through COM), in place of the core's Connect made in this process. The session sees of it
// only what the host and the machine see: its connections to the host's events, the boxes it
// shows, its settings store and its log.
class ExternalAddIn {
  public:
    // A box the add-in shows, as it is on screen: its buttons' captions in order and the
    // default one; a dialog is the error library's, a box a system message box.
    struct Box {
        std::string Title;
        std::string Text;
        std::vector<std::string> Buttons;
        std::string DefaultButton;
        bool Dialog = false;
        bool FileChooser = false;  // the system's file-open dialog, titled Title
    };
    // Answers a box while the add-in is still inside the call that shows it: the caption of
    // the button to press ("" for the default button); for a file chooser, the path of the file
    // to open ("" cancels it).
    using BoxAnswer = std::function<std::string(const Box&)>;
    // What the host sees of the add-in's hooks: the windows and folders whose events it
    // listens to.
    struct Hooks {
        bool Application = false;  // connected to the application's events
        std::int64_t Explorers = 0;
        std::int64_t Inspectors = 0;
        bool SentItems = false;
        // The window the add-in watches: the one whose events have one sink more than a hook
        // connects (null when no window has).
        const sim::SimObject* Watched = nullptr;
    };

    virtual ~ExternalAddIn() = default;

    // The add-in's connection object, as the host creates it by ProgID; null when it cannot be
    // created.
    virtual std::shared_ptr<AutomationObject> Create() = 0;
    // The store the add-in keeps its settings in, empty as on a machine where it never ran;
    // where it is, for messages; every value of an application as "section|key=value" lines.
    virtual std::shared_ptr<SettingsStore> Settings() = 0;
    virtual std::string SettingsLocation() const = 0;
    virtual std::vector<std::string> SettingsDump(const std::string& appName) = 0;
    // Empties the add-in's store of everything the add-in keeps there, so that its settings
    // start as a new store's would (`settings memory`).
    virtual void ClearSettings() = 0;
    // A host process starts on `host`: its machine offers the host's components by ProgID,
    // except those made `absent`, and answers the add-in's own calls to the system (the
    // host's command line among them) as `machine` says. EndProcess withdraws them and
    // lets the add-in go as the process's end would: what stays of the add-in afterwards (its
    // library still loaded), or nothing.
    virtual void BeginProcess(sim::SimHost& host, const std::set<std::string>& absent,
                              ScenarioMachine& machine) = 0;
    virtual std::optional<std::string> EndProcess() = 0;
    // From now on every box the add-in shows is handed to `answer`, one at a time.
    virtual void AnswerBoxes(BoxAnswer answer) = 0;
    virtual Hooks SeenHooks(sim::SimHost& host) = 0;
    // The keys the add-in files its hooks of explorers (else inspectors) under, in the order of
    // hooking; nothing when it has no application object or the host holds no add-in. The host
    // never sees them: the component answers them to a test machine only.
    virtual std::optional<std::vector<std::string>> HookKeys(bool explorers) = 0;
    // The add-in's log as written so far ("" when there is none).
    virtual std::string LogText() = 0;
    // The add-in's own options page `page`, as the host's options dialog holds it, driven the
    // way a user works it; null when `page` is another add-in's.
    virtual std::unique_ptr<PageDriver> PageOf(const std::shared_ptr<AutomationObject>& page) = 0;
};

// The shipped component, loaded by the host through COM (`--com`). Only the runner built for
// Windows has it: that build defines this.
std::shared_ptr<ExternalAddIn> ComponentThroughCom();

}  // namespace pwk::scenario
