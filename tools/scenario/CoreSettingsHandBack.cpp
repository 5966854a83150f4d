#include "tools/scenario/CoreSettingsHandBack.h"

#include <type_traits>
#include <utility>

#include "src/host/Application.h"
#include "src/host/NameSpace.h"
#include "src/tracking/RegSettings.h"
#include "src/tracking/SettingsLayout.h"
#include "src/tracking/TrackedFoldersets.h"
#include "tools/scenario/ScenarioError.h"

namespace pwk::scenario {

CoreSettingsHandBack::CoreSettingsHandBack(std::shared_ptr<RegSettings> live, Component& component,
                                           Ref<host::Application> application,
                                           Ref<host::NameSpace> nameSpace)
    : live_(std::move(live)),
      component_(component),
      application_(std::move(application)),
      nameSpace_(std::move(nameSpace)) {}

void CoreSettingsHandBack::Copy() {
    copy_ = std::make_shared<RegSettings>(component_);
    copy_->UpdateFrom(live_, application_);
}

bool CoreSettingsHandBack::AddFolderset(const FolderIds& ids) {
    return copy_->TrackedFoldersets()->AddByIDs(ids.ContactEntryId, ids.ContactStoreId,
                                                ids.JournalEntryId, ids.JournalStoreId,
                                                ids.EmailEntryId, ids.EmailStoreId, nameSpace_);
}

std::string CoreSettingsHandBack::FailReason() {
    return copy_->TrackedFoldersets()->GetFailReason();
}

std::int32_t CoreSettingsHandBack::Count() {
    return copy_->TrackedFoldersets()->Count();
}

void CoreSettingsHandBack::RemoveFolderset(std::int32_t position) {
    const auto foldersets = copy_->TrackedFoldersets();
    foldersets->Remove(foldersets->Item(position));
}

void CoreSettingsHandBack::SetSwitch(const std::string& name, bool on) {
    const SettingsLayout::Entry* entry = SettingsLayout::FindSwitch(name);
    if (entry == nullptr) {
        throw CommandError("the settings have no switch \"" + name + "\"");
    }
    SettingsLayout::WithMember(*entry, [&](auto member) {
        if constexpr (std::is_same_v<decltype(member), bool RegSettings::*>) {
            (*copy_).*member = on;
        }
    });
}

void CoreSettingsHandBack::HandBack() {
    live_->UpdateFrom(copy_, application_);
}

}  // namespace pwk::scenario
