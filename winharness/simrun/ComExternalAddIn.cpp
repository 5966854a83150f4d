#include "winharness/simrun/ComExternalAddIn.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

#include "sim/SimHost.h"
#include "sim/SimItemState.h"
#include "src/errors/LogFilePath.h"
#include "src/host/MapiSession.h"
#include "src/resources/StringTable.h"
#include "src/resources/Version.h"
#include "src/tracking/DroppedFoldersets.h"
#include "src/util/Failure.h"
#include "win/com/HookKeysMember.h"
#include "win/combase/WideText.h"
#include "win/dispatch/PlainObject.h"
#include "winharness/bridge/ForeignObject.h"
#include "winharness/simrun/ComPageDriver.h"
#include "winharness/simrun/SeenHooks.h"

namespace pwk::simrun {

namespace {

// The file the registry names as the in-process server of a ProgID's class ("" when none).
std::wstring ServerFile(const std::string& progId) {
    CLSID clsid{};
    if (FAILED(CLSIDFromProgID(win::Widen(progId).c_str(), &clsid))) {
        return {};
    }
    wchar_t guid[40] = {};
    StringFromGUID2(clsid, guid, 40);
    const std::wstring key = L"CLSID\\" + std::wstring(guid) + L"\\InprocServer32";
    wchar_t file[MAX_PATH] = {};
    DWORD size = sizeof(file);
    if (RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, file,
                     &size) != ERROR_SUCCESS) {
        return {};
    }
    return file;
}

// The file a scenario chooses exists on its machine: the dialog opens only a file that does.
// One that is missing is made, empty, in the prefix.
void MakeChosenFile(const std::string& path) {
    const std::filesystem::path file(win::Widen(path));
    std::error_code ignored;
    if (!std::filesystem::exists(file, ignored)) {
        std::filesystem::create_directories(file.parent_path(), ignored);
        std::ofstream(file).close();
    }
}

}  // namespace

ComExternalAddIn::ComExternalAddIn(std::string progId) : progId_(std::move(progId)) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    ClearSettings();
}

ComExternalAddIn::~ComExternalAddIn() {
    EndProcess();
    CoUninitialize();
}

std::shared_ptr<AutomationObject> ComExternalAddIn::Create() {
    auto made = bridge::ComAddIn::Create(progId_);
    created_ = made;
    return made;
}

std::vector<std::string> ComExternalAddIn::SettingsDump(const std::string& appName) {
    return store_->Dump(appName);
}

void ComExternalAddIn::ClearSettings() {
    for (const char* appName : {ProductTitle, DroppedFoldersets::AppName}) {
        try {
            store_->DeleteApplication(appName);
        } catch (const Failure&) {
            // Nothing stored: as wanted.
        }
    }
}

void ComExternalAddIn::BeginProcess(sim::SimHost& host, const std::set<std::string>& absent,
                                    scenario::ScenarioMachine& machine) {
    offered_.clear();
    const bool firstProcess = machine_ == nullptr;
    machine_ = &machine;
    if (firstProcess) {
        // Nor has it written a log yet where this machine has it written.
        for (const std::string& file : {LogFiles().first, LogFiles().second}) {
            std::error_code ignored;
            std::filesystem::remove(std::filesystem::path(win::Widen(file)), ignored);
        }
    }
    system_.Begin(ServerFile(progId_), machine);
    if (absent.count(host::MapiSessionProgID) == 0) {
        offered_.push_back(std::make_unique<bridge::ClassRegistration>(host::MapiSessionProgID,
                                                                       host.MapiSessionFactory()));
    }
}

std::optional<std::string> ComExternalAddIn::EndProcess() {
    offered_.clear();
    system_.End();
    // The host process ends: a component no longer in use is unloaded, so that the next start
    // loads it afresh, as a new process of the host would. One that stays loaded still has
    // an object or a lock, or something pins its library.
    CoFreeUnusedLibrariesEx(0, 0);
    const std::wstring file = ServerFile(progId_);
    HMODULE module = file.empty() ? nullptr : GetModuleHandleW(file.c_str());
    if (module == nullptr) {
        return std::nullopt;
    }
    using CanUnload = HRESULT(STDAPICALLTYPE*)();
    const auto canUnload = reinterpret_cast<CanUnload>(
        reinterpret_cast<void*>(GetProcAddress(module, "DllCanUnloadNow")));
    const std::string answer = canUnload == nullptr  ? "no DllCanUnloadNow"
                               : canUnload() == S_OK ? "DllCanUnloadNow S_OK"
                                                     : "DllCanUnloadNow S_FALSE";
    return "the component " + progId_ + " stayed loaded (" + answer + ")";
}

void ComExternalAddIn::AnswerBoxes(BoxAnswer answer) {
    boxes_.reset();
    boxes_ = std::make_unique<testhost::BoxAnswerer>(
        [answer = std::move(answer)](const testhost::BoxAnswerer::Shown& shown) {
            const std::string chosen =
                answer(Box{shown.Caption, shown.Text, shown.Buttons, shown.DefaultButton,
                           shown.Dialog, shown.FileDialog});
            if (shown.FileDialog && !chosen.empty()) {
                MakeChosenFile(chosen);
            }
            return chosen;
        });
}

scenario::ExternalAddIn::Hooks ComExternalAddIn::SeenHooks(sim::SimHost& host) {
    return simrun::SeenHooks(host);
}

std::optional<std::vector<std::string>> ComExternalAddIn::HookKeys(bool explorers) {
    const auto addIn = created_.lock();
    if (!addIn) {
        return std::nullopt;
    }
    const win::PlainObject<struct ConnectKind> connect{win::Variant(addIn->Dispatch())};
    const win::Variant keys =
        connect.Call(win::Narrow(win::HookKeysMember::Name), explorers ? "explorer" : "inspector");
    if (keys.Get()->vt == VT_NULL) {
        return std::nullopt;
    }
    std::vector<std::string> split;
    std::istringstream words(keys.ToString());
    for (std::string key; words >> key;) {
        split.push_back(key);
    }
    return split;
}

namespace {

// When a file was last written, to the system's 100 ns; nothing when it is absent. The C
// library's time of a file counts whole seconds here, and a restart writes its first line within
// the second the last process wrote its last one.
std::optional<ULONGLONG> LastWritten(const std::string& file) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(win::Widen(file).c_str(), GetFileExInfoStandard, &data)) {
        return std::nullopt;
    }
    return (ULONGLONG{data.ftLastWriteTime.dwHighDateTime} << 32) |
           data.ftLastWriteTime.dwLowDateTime;
}

}  // namespace

// Where the component writes its log: the folder and name of the "Logging" settings, else its
// default name in the machine's documents folder, else in its own folder. A value the component
// could not read when it started (the scenario's store refusing it) it took as unset, though the
// store holds it: of the file the settings name and the default one, the one written last is
// the one the component writes.
std::string ComExternalAddIn::LogFile() {
    const auto [named, unnamed] = LogFiles();
    const auto namedTime = LastWritten(named);
    const auto unnamedTime = LastWritten(unnamed);
    const bool unnamedIsNewer = unnamedTime && (!namedTime || *unnamedTime > *namedTime);
    return unnamedIsNewer ? unnamed : named;
}

std::pair<std::string, std::string> ComExternalAddIn::LogFiles() {
    const std::string folder = store_->GetSetting(ProductTitle, "Logging", "LogPath");
    const std::string name = store_->GetSetting(ProductTitle, "Logging", "LogFilename");
    std::string defaultFolder;
    if (machine_ != nullptr) {
        defaultFolder = machine_->DocumentsFolder();
        if (defaultFolder.empty()) {
            defaultFolder = machine_->ComponentFolder() + "\\";
        }
    }
    const std::string defaultName = LoadResString(StringId::DefaultLogFilename);
    const std::string named =
        LogFilePath(folder.empty() ? defaultFolder : folder, name.empty() ? defaultName : name);
    return {named, LogFilePath(defaultFolder, defaultName)};
}

std::string ComExternalAddIn::LogText() {
    std::ifstream in(std::filesystem::path(win::Widen(LogFile())), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::unique_ptr<scenario::PageDriver> ComExternalAddIn::PageOf(
    const std::shared_ptr<AutomationObject>& page) {
    const auto* foreign = dynamic_cast<const bridge::ForeignObject*>(page.get());
    if (foreign == nullptr || !ComPageDriver::IsComponentPage(foreign->Dispatch())) {
        return nullptr;
    }
    return std::make_unique<ComPageDriver>(foreign->Dispatch());
}

}  // namespace pwk::simrun

namespace pwk::scenario {

std::shared_ptr<ExternalAddIn> ComponentThroughCom() {
    return std::make_shared<simrun::ComExternalAddIn>(ConnectProgID);
}

}  // namespace pwk::scenario
