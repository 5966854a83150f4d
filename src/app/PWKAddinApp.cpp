#include "src/app/PWKAddinApp.h"

#include "src/app/AddinAppModule.h"
#include "src/component/Component.h"
#include "src/errors/Procedure.h"
#include "src/host/NameSpace.h"
#include "src/journal/UpgradeLogReset.h"
#include "src/platform/MessageBoxStyle.h"
#include "src/platform/SettingsStore.h"
#include "src/util/Ref.h"

namespace pwk {

namespace {
constexpr const char* kDevelopmentFolder = "C:\\VBProj\\Parleywick\\";
constexpr int kWelcomeHelpContext = 210;
constexpr const char* kCrLf = "\r\n";
}  // namespace

PWKAddinApp::PWKAddinApp(Component& component)
    : component_(component),
      outlookApp_(static_cast<host::ApplicationEvents&>(*this)),
      pExplorers_(static_cast<host::ExplorersEvents&>(*this)),
      pInspectors_(static_cast<host::InspectorsEvents&>(*this)),
      regSettings_(static_cast<RegSettingsEvents&>(*this)) {}

PWKAddinApp::~PWKAddinApp() {
    MarkSettingsOpen(false);
}

void PWKAddinApp::Init(bool debugMode, bool /*outlookJustStarted*/,
                       const Ref<host::Application>& olApp, const std::string& progId) {
    Procedure proc(component_, kAddinAppModule, "Init", Boundary::Component);
    proc.Run([&] {
        proc.Step([&] { debugMode_ = debugMode; });
        proc.Step([&] { SetHelpFile(); });
        proc.Step([&] { progId_ = progId; });
        proc.Step([&] {
            hookedExplorers_ = {};
            hookedInspectors_ = {};
        });
        proc.Step([&] { outlookApp_ = olApp; });
        proc.Step([&] {
            pExplorers_ = outlookApp_->GetExplorers();
            pInspectors_ = outlookApp_->GetInspectors();
        });
        proc.Step([&] { olNamespace_ = outlookApp_->GetNamespace("MAPI"); });
        proc.Step([&] {
            component_.OutlookVersion = outlookApp_->Version();
            component_.OutlookProductCode = outlookApp_->ProductCode();
        });
        proc.Step([&] { regSettings_ = std::make_shared<RegSettings>(component_); });
        // The settings tool tells an administrator that a change now is merged by this add-in.
        MarkSettingsOpen(true);
        // Reading raises Updated, which saves the settings and hooks every open window.
        proc.Step([&] { regSettings_->ReadReg(outlookApp_.Get()); });
        proc.Step([&] { component_.AddinInitialised = true; });
        // The save inside ReadReg has already recorded that the first run is over, so the
        // welcome shows on the first start only.
        proc.Step([&] {
            if (regSettings_->FirstRun()) {
                ShowWelcome();
            }
        });
        proc.Step([&] {
            if (regSettings_->JustUpgraded()) {
                PWKGlobal::ResetLogAfterUpgrade(component_);
            }
        });
    });
}

void PWKAddinApp::SetHelpFile() {
    if (debugMode_) {
        component_.HelpFile = std::string(kDevelopmentFolder) + kHelpFileName;
    } else {
        component_.HelpFile = component_.platform().AppPath() + "\\" + kHelpFileName;
    }
}

void PWKAddinApp::ShowWelcome() {
    const std::string text = std::string("Welcome to Parleywick!") + kCrLf + kCrLf +
                             "This is your first time running this add-in software.  Please " +
                             "configure the add-in from the Tools|Options menu before " +
                             "continuing.  If you need help, contact your system administrator." +
                             kCrLf + kCrLf + "For more information about this add-in, click the " +
                             "Help button below.";
    component_.platform().MsgBox(
        text, MsgBoxStyle::OkOnly | MsgBoxStyle::Information | MsgBoxStyle::MsgBoxHelpButton,
        "Welcome", kHelpFileName, kWelcomeHelpContext);
}

void PWKAddinApp::AskedToQuit() {
    MarkSettingsOpen(false);
    ReleaseHookedWindows();
    hookedExplorers_ = {};
    hookedInspectors_ = {};
    pExplorers_.Reset();
    pInspectors_.Reset();
    olNamespace_.reset();
    outlookApp_.Reset();
    quitEvent_.Raise([](PWKAddinAppEvents& sink) { sink.Quit(); });
}

Ref<host::NameSpace> PWKAddinApp::dbgGetMapiNamespace() {
    Ref<host::NameSpace> result;
    Procedure proc(component_, kAddinAppModule, "dbgGetMapiNamespace", Boundary::Component);
    proc.Run([&] { result = olNamespace_; });
    return result;
}

TrackedFolderLookup PWKAddinApp::TrackedFolders() {
    return TrackedFolderLookup(component_, kAddinAppModule, regSettings_.Get(), olNamespace_);
}

void PWKAddinApp::NoticeSettingsChange() {
    if (regSettings_) {
        // Merging raises Updated: saved and hooked again as after any change.
        regSettings_->NoticeOutsideChange(outlookApp_.Get());
    }
}

void PWKAddinApp::MarkSettingsOpen(bool open) {
    if (settingsMarked_ != open) {
        // Only a courtesy to the settings tool: a store that cannot mark stays unmarked.
        Procedure::Ignoring([&] { component_.platform().Settings().MarkOpen(open); });
        settingsMarked_ = open;
    }
}

void PWKAddinApp::RegSettings_Updated() {
    regSettings_->SaveReg(outlookApp_.Get());
    RefreshHookedWindows();
}

}  // namespace pwk
