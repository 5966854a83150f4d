#include "winharness/simrun/ComPageDriver.h"

#include <ocidl.h>

#include "src/app/OptionsPageComponent.h"
#include "win/combase/Bstr.h"
#include "win/combase/WideText.h"
#include "win/optionspage/HostPageInterfaces.h"

namespace pwk::simrun {

ComPageDriver::ComPageDriver(const win::ComPtr<IDispatch>& page)
    : page_(win::Variant(page.Get())) {}

bool ComPageDriver::IsComponentPage(const win::ComPtr<IDispatch>& page) {
    CLSID registered{};
    CLSID clsid{};
    const auto persist = page.As<IPersist>();
    if (!persist || FAILED(persist->GetClassID(&clsid)) ||
        FAILED(CLSIDFromProgID(win::Widen(OptionsPageProgID).c_str(), &registered)) ||
        !IsEqualCLSID(clsid, registered)) {
        return false;
    }
    return ComPageDriver(page).page_.Get("Loaded").ToBool();
}

std::string ComPageDriver::HelpFile() const {
    const auto page = win::ComPtr<IDispatch>(page_.Dispatch()).As<win::HostPropertyPage>();
    BSTR file = nullptr;
    long context = 0;
    if (!page || FAILED(page->GetPageInfo(&file, &context))) {
        SysFreeString(file);
        return {};
    }
    return win::Bstr::Attach(file).ToString();
}

ComPageDriver::About ComPageDriver::Describe() {
    return About{page_.Get("Caption").ToString(), HelpFile(), page_.Get("AppTitle").ToString(),
                 page_.Get("AppVersion").ToString()};
}

std::vector<ComPageDriver::Row> ComPageDriver::Rows() {
    std::vector<Row> rows;
    const std::int32_t count = page_.Get("FoldersetCount").ToInt32();
    for (std::int32_t position = 1; position <= count; ++position) {
        const auto part = [&](std::int32_t which) {
            return page_.Call("FoldersetPath", position, which).ToString();
        };
        rows.push_back(Row{part(1), part(2), part(3), part(4)});
    }
    return rows;
}

std::vector<ComPageDriver::Switch> ComPageDriver::Switches() {
    std::vector<Switch> switches;
    const std::int32_t count = page_.Get("SwitchCount").ToInt32();
    for (std::int32_t index = 1; index <= count; ++index) {
        const std::string name = page_.Call("SwitchName", index).ToString();
        switches.push_back(Switch{name, page_.Call("Switch", name).ToBool()});
    }
    return switches;
}

std::int32_t ComPageDriver::LogLevel() {
    return page_.Get("LogLevel").ToInt32();
}

std::string ComPageDriver::LogPath() {
    return page_.Get("LogPath").ToString();
}

std::string ComPageDriver::LogFilename() {
    return page_.Get("LogFilename").ToString();
}

bool ComPageDriver::AddPicked(const std::string& attachDir) {
    return page_.Call("AddPicked", attachDir).ToBool();
}

bool ComPageDriver::Remove(std::int32_t position) {
    return page_.Call("Remove", position).ToBool();
}

bool ComPageDriver::SetSwitch(const std::string& name, bool on) {
    return page_.Call("SetSwitch", name, on).ToBool();
}

bool ComPageDriver::SetLogLevel(const std::string& text) {
    return page_.Call("SetLogLevel", text).ToBool();
}

bool ComPageDriver::SetLogLocation(const std::string& path, const std::string& filename) {
    return page_.Call("SetLogLocation", path, filename).ToBool();
}

bool ComPageDriver::Dirty() {
    return page_.Get("Dirty").ToBool();
}

bool ComPageDriver::Apply() {
    return page_.Call("Apply").ToBool();
}

std::string ComPageDriver::Message() {
    return page_.Get("Message").ToString();
}

}  // namespace pwk::simrun
