#include "src/startup/Connect.h"

#include "src/component/Component.h"
#include "src/errors/Procedure.h"
#include "src/host/Application.h"
#include "src/host/Explorers.h"
#include "src/host/Inspectors.h"
#include "src/startup/MStartup.h"
#include "src/util/Ref.h"

namespace pwk {

namespace {
constexpr const char* kConnectModule = "Connect";
}  // namespace

Connect::Connect(Component& component)
    : component_(component), addinApp_(static_cast<PWKAddinAppEvents&>(*this)) {
    if (!component_.MainHasRun) {
        MStartup::Main(component_);
    }
}

Connect::~Connect() = default;

void Connect::AddinInstance_OnConnection(const Ref<host::Application>& application, int connectMode,
                                         const Ref<host::AddInInstance>& addInInst) {
    Procedure proc(component_, kConnectModule, "AddinInstance_OnConnection", Boundary::Host);
    proc.Run([&] {
        if (!component_.ErrorFrameworkStarted) {
            return;
        }
        if (!application || application->TypeName() != "Application") {
            return;
        }
        proc.Step([&] {
            olApp_ = application;
            implicitApp_ = application;
        });
        bool versionOk = false;
        proc.Step([&] { versionOk = OutlookVersionOK().value_or(false); });
        if (!versionOk) {
            ErrorLibrary& errors = component_.Errors();
            Platform& platform = component_.platform();
            proc.Step([&] {
                errors.LogText(platform.DateTimeText(platform.Now()) +
                               "Invalid Outlook version or app");
            });
            proc.Step([&] {
                errors.LogText("Invalid version is: " + olApp_->Name() + " " + olApp_->Version() +
                               "  {" + olApp_->ProductCode() + "}");
            });
            return;
        }
        proc.Step([&] {
            if (olApp_->GetExplorers()->Count() > 0) {
                anExplorerWindow_ = olApp_->GetExplorers()->Item(1);
            } else if (olApp_->GetInspectors()->Count() > 0) {
                anInspectorWindow_ = olApp_->GetInspectors()->Item(1);
            }
        });
        proc.Step([&] { addinApp_ = std::make_shared<PWKAddinApp>(component_); });
        proc.Step([&] {
            addinApp_->Init(component_.Errors().DebugMode(),
                            connectMode == host::ConnectMode::Startup, olApp_,
                            Deref(addInInst).ProgID());
        });
    });
}

// Only the first character and the last four of the version text count: 9.x from build 2711
// on, or any version whose text starts with "10".
std::optional<bool> Connect::OutlookVersionOK() {
    if (olApp_->Name() != "Outlook") {
        return std::nullopt;
    }
    const std::string version = olApp_->Version();
    if (!version.empty() && version.front() == '9') {
        const std::string build =
            version.size() >= 4 ? version.substr(version.size() - 4) : version;
        return build >= "2711";
    }
    return version.substr(0, 2) == "10";
}

void Connect::AddinInstance_OnDisconnection(int /*removeMode*/) {
    Procedure proc(component_, kConnectModule, "AddinInstance_OnDisconnection", Boundary::Host);
    proc.Run([&] {
        // Unloaded while windows are still open (the user switched the add-in off): release
        // exactly as the last window's closing would, so nothing stays hooked.
        if (addinApp_) {
            proc.Step([&] { TellAddinAppToQuit(); });
        }
        proc.Step([&] { ReleaseOutlookObjects(); });
    });
}

namespace {
// When the watched window closes, the watch moves to another window of the same kind (the
// first one that is not the closing one), else to the first window of the other kind. Returns
// false when no window is left to watch.
template <class Same, class Other, class SameWatch, class OtherWatch>
bool HandOverWatch(Same& same, Other& other, SameWatch& sameWatch, OtherWatch& otherWatch) {
    if (same.Count() >= 2) {
        otherWatch.Reset();
        const bool firstIsWatched = host::SameObject(same.Item(1), sameWatch.Get());
        sameWatch = same.Item(firstIsWatched ? 2 : 1);
        return true;
    }
    if (other.Count() >= 1) {
        sameWatch.Reset();
        otherWatch = other.Item(1);
        return true;
    }
    return false;
}
}  // namespace

void Connect::AnExplorerWindow_Close() {
    Procedure proc(component_, kConnectModule, "AnExplorerWindow_Close", Boundary::Host);
    proc.Run([&] {
        host::Application& app = Deref(implicitApp_);
        if (!HandOverWatch(*app.GetExplorers(), *app.GetInspectors(), anExplorerWindow_,
                           anInspectorWindow_)) {
            TellAddinAppToQuit();
        }
    });
}

void Connect::AnInspectorWindow_Close() {
    Procedure proc(component_, kConnectModule, "AnInspectorWindow_Close", Boundary::Host);
    proc.Run([&] {
        host::Application& app = Deref(implicitApp_);
        if (!HandOverWatch(*app.GetInspectors(), *app.GetExplorers(), anInspectorWindow_,
                           anExplorerWindow_)) {
            TellAddinAppToQuit();
        }
    });
}

void Connect::TellAddinAppToQuit() {
    // The quit chain drops this object's reference to the application object; keep it alive
    // until its AskedToQuit has returned.
    const auto addinApp = addinApp_.Get();
    Deref(addinApp).AskedToQuit();
}

void Connect::AddinApp_Quit() {
    Procedure proc(component_, kConnectModule, "AddinApp_Quit", Boundary::Host);
    proc.Run([&] { ReleaseOutlookObjects(); });
}

void Connect::ReleaseOutlookObjects() {
    addinApp_.Reset();
    anInspectorWindow_.Reset();
    anExplorerWindow_.Reset();
    olApp_.reset();
    implicitApp_.reset();
}

bool Connect::HoldsHost() const {
    return olApp_ || implicitApp_ || anExplorerWindow_ || anInspectorWindow_ || addinApp_;
}

}  // namespace pwk
