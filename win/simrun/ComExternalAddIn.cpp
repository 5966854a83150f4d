#include "win/simrun/ComExternalAddIn.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "sim/SimFolder.h"
#include "sim/SimHost.h"
#include "sim/SimItems.h"
#include "sim/SimNameSpace.h"
#include "sim/SimOptionsPage.h"
#include "src/app/OptionsPageComponent.h"
#include "src/errors/LogFilePath.h"
#include "src/host/MapiSession.h"
#include "src/resources/StringTable.h"
#include "src/resources/Version.h"
#include "win/bridge/ComAddIn.h"
#include "win/bridge/EventLinks.h"
#include "win/dispatch/EventIds.h"
#include "win/dispatch/WideText.h"
#include "win/platform/WinFileUtility.h"

namespace pwk::simrun {

ComExternalAddIn::ComExternalAddIn(std::string progId) : progId_(std::move(progId)) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    try {
        store_->DeleteApplication(ProductTitle);
    } catch (const Failure&) {
        // Nothing stored: as wanted.
    }
}

ComExternalAddIn::~ComExternalAddIn() {
    EndProcess();
    CoUninitialize();
}

std::shared_ptr<AutomationObject> ComExternalAddIn::Create() {
    return bridge::ComAddIn::Create(progId_);
}

std::vector<std::string> ComExternalAddIn::SettingsDump(const std::string& appName) {
    return store_->Dump(appName);
}

void ComExternalAddIn::BeginProcess(sim::SimHost& host, const std::set<std::string>& absent) {
    offered_.clear();
    if (absent.count(host::MapiSessionProgID) == 0) {
        offered_.push_back(std::make_unique<bridge::ClassRegistration>(host::MapiSessionProgID,
                                                                       host.MapiSessionFactory()));
    }
    if (absent.count(OptionsPageProgID) == 0) {
        offered_.push_back(std::make_unique<bridge::ClassRegistration>(
            OptionsPageProgID, [] { return std::make_shared<sim::SimOptionsPage>(); }));
    }
}

void ComExternalAddIn::EndProcess() {
    offered_.clear();
    // The host process ends: a component no longer in use is unloaded, so that the next start
    // loads it afresh, as a new process of the host would.
    CoFreeUnusedLibrariesEx(0, 0);
}

void ComExternalAddIn::AnswerBoxes(BoxAnswer answer) {
    boxes_.reset();
    boxes_ = std::make_unique<testhost::BoxAnswerer>(
        [answer = std::move(answer)](const testhost::BoxAnswerer::Shown& shown) {
            return answer(
                Box{shown.Caption, shown.Text, shown.Buttons, shown.DefaultButton, shown.Dialog});
        });
}

scenario::ExternalAddIn::Hooks ComExternalAddIn::SeenHooks(sim::SimHost& host) {
    const bridge::EventLinks& links = bridge::EventLinks::Instance();
    Hooks hooks;
    hooks.Application = links.Objects(win::EventIds::Application) > 0;
    hooks.Explorers = static_cast<std::int64_t>(links.Objects(win::EventIds::Explorer));
    hooks.Inspectors = static_cast<std::int64_t>(links.Objects(win::EventIds::Inspector));
    if (const auto sent = host.Mailbox().DefaultFolder(host::DefaultFolder::SentMail)) {
        hooks.SentItems = links.Sinks(sent->ItemsObject(), win::EventIds::Items) > 0;
    }
    return hooks;
}

// Where the component writes its log: the folder and name of the "Logging" settings, else its
// default name in the user's documents.
std::string ComExternalAddIn::LogFile() {
    std::string folder = store_->GetSetting(ProductTitle, "Logging", "LogPath");
    if (folder.empty()) {
        folder = win::WinFileUtility().DefaultFolder();
    }
    std::string name = store_->GetSetting(ProductTitle, "Logging", "LogFilename");
    if (name.empty()) {
        name = LoadResString(StringId::DefaultLogFilename);
    }
    return LogFilePath(folder, name);
}

std::string ComExternalAddIn::LogText() {
    std::ifstream in(std::filesystem::path(win::Widen(LogFile())), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace pwk::simrun
