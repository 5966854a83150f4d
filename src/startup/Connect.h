#pragma once

#include <memory>
#include <optional>
#include <string>

#include "src/app/PWKAddinApp.h"
#include "src/app/PWKAddinAppEvents.h"
#include "src/host/AddIn.h"
#include "src/host/Events.h"
#include "src/host/Explorer.h"
#include "src/host/Inspector.h"
#include "src/util/WithEvents.h"

namespace pwk {

class Component;

// The object the host creates when it loads the add-in: checks the host, creates and
// initialises the application object, and keeps the add-in alive while the host shows a
// window. When the last window closes it has the application object quit and lets go of
// everything, so the host can unload the component.
class Connect : public host::AddIn, private PWKAddinAppEvents {
  public:
    // Creating the component's first object runs the process start-up.
    explicit Connect(Component& component);
    ~Connect() override;
    Connect(const Connect&) = delete;
    Connect& operator=(const Connect&) = delete;

    // The host's add-in connection interface.
    void OnConnection(const Ref<host::Application>& application, int connectMode,
                      const Ref<host::AddInInstance>& addInInst) override {
        AddinInstance_OnConnection(application, connectMode, addInInst);
    }
    void OnDisconnection(int removeMode) override { AddinInstance_OnDisconnection(removeMode); }

    void AddinInstance_OnConnection(const Ref<host::Application>& application, int connectMode,
                                    const Ref<host::AddInInstance>& addInInst);
    void AddinInstance_OnDisconnection(int removeMode);
    void AnExplorerWindow_Close();
    void AnInspectorWindow_Close();
    void AddinApp_Quit();
    void TellAddinAppToQuit();

    // What this object holds, for its owner's checks.
    const Ref<PWKAddinApp>& AddinApp() const { return addinApp_.Get(); }
    const Ref<host::Explorer>& WatchedExplorer() const { return anExplorerWindow_.Get(); }
    const Ref<host::Inspector>& WatchedInspector() const { return anInspectorWindow_.Get(); }
    bool HoldsHost() const;

  private:
    // The two watched windows raise events of the same name; each gets its own sink.
    struct ExplorerCloseSink : host::ExplorerEvents {
        explicit ExplorerCloseSink(Connect& connect) : owner(connect) {}
        void Close() override { owner.AnExplorerWindow_Close(); }
        Connect& owner;
    };
    struct InspectorCloseSink : host::InspectorEvents {
        explicit InspectorCloseSink(Connect& connect) : owner(connect) {}
        void Close() override { owner.AnInspectorWindow_Close(); }
        Connect& owner;
    };

    void Quit() override { AddinApp_Quit(); }
    std::optional<bool> OutlookVersionOK();
    void ReleaseOutlookObjects();

    Component& component_;
    Ref<host::Application> olApp_;
    // The process-wide reference to the host that the host's type library keeps; the window
    // hand-over reaches the host's window lists through it.
    Ref<host::Application> implicitApp_;
    WithEvents<PWKAddinApp, PWKAddinAppEvents> addinApp_;
    ExplorerCloseSink explorerSink_{*this};
    InspectorCloseSink inspectorSink_{*this};
    WithEvents<host::Explorer, host::ExplorerEvents> anExplorerWindow_{explorerSink_};
    WithEvents<host::Inspector, host::InspectorEvents> anInspectorWindow_{inspectorSink_};
};

}  // namespace pwk
