// SettingsLayout's table. Its entries point into RegSettings's members, so the table stands
// above RegSettings, which reads the layout through SettingsLayout.h.
#include <string_view>

#include "src/tracking/RegSettings.h"
#include "src/tracking/SettingsLayout.h"
#include "src/tracking/TrackedFoldersets.h"

namespace pwk {

std::span<const SettingsLayout::Entry> SettingsLayout::Entries() {
    using R = RegSettings;
    // clang-format off
    static const Entry entries[] = {
        {Role::Option,     Logging,        "LogLevel",           &R::logLevel_},
        {Role::Kept,       Logging,        LogPath,              {}},
        {Role::Kept,       Logging,        LogFilename,          {}},
        {Role::Foldersets, TrackedFoldersets::DefaultSection, "", {}, nullptr, nullptr, FoldersetsName},
        {Role::Option,     Tracking,       "TrackUnlinkedEmail", &R::trackUnlinkedEmail_,     "True"},
        {Role::Option,     Tracking,       "JournalEmails",      &R::journalEmails_,          "False"},
        {Role::Option,     Tracking,       "SaveLinksByRef",     &R::saveLinksByRef_,         "False"},
        {Role::FirstRun,   Tracking,       "FirstRun",           &R::firstRun_,               "True"},
        {Role::Version,    VersionSection, "Major",              &R::prevRunVersionMajor_,    "0", &Version::Major,    "PrevRunVersionMajor"},
        {Role::Version,    VersionSection, "Minor",              &R::prevRunVersionMinor_,    "0", &Version::Minor,    "PrevRunVersionMinor"},
        {Role::Version,    VersionSection, "Revision",           &R::prevRunVersionRevision_, "0", &Version::Revision, "PrevRunVersionRevision"},
        {Role::Option,     Tracking,       "TrackAppointments",  &R::trackAppointments_,      "True"},
        {Role::Option,     Tracking,       "UseSentMailFolder",  &R::useSentMailFolder_,      "True"},
    };
    // clang-format on
    return entries;
}

const char* SettingsLayout::Entry::PropertyName() const {
    if (role == Role::Kept) {
        return nullptr;
    }
    return Name != nullptr ? Name : Key;
}

bool SettingsLayout::Entry::IsSwitch() const {
    return role == Role::Option && std::holds_alternative<bool RegSettings::*>(property);
}

const SettingsLayout::Entry* SettingsLayout::FindSwitch(std::string_view name) {
    for (const Entry& entry : Entries()) {
        if (entry.IsSwitch() && entry.PropertyName() == name) {
            return &entry;
        }
    }
    return nullptr;
}

}  // namespace pwk
