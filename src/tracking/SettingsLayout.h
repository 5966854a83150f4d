#pragma once

#include <cstdint>
#include <span>
#include <variant>

#include "src/resources/Version.h"

namespace pwk {

class RegSettings;

// Where the add-in's settings live in the settings store (under the product title), written
// once: ReadReg reads, SaveReg writes and CopySettings copies in the order of this table, and
// the settings tool sets the same values.
class SettingsLayout {
  public:
    static constexpr const char* Logging = "Logging";
    static constexpr const char* Tracking = "Tracking";
    static constexpr const char* VersionSection = "Version";

    enum class Role {
        Option,      // read, saved and copied as the property
        Kept,        // no property: set by an administrator, read by start-up, kept by a save
        Foldersets,  // the tracked foldersets, in sections of their own
        FirstRun,    // read; saved as "False", since a run has been; not copied
        Version,     // read; saved as the running add-in's own version, so the next start can
                     // tell an upgrade; copied
    };
    using Property = std::variant<std::monostate, bool RegSettings::*, std::int32_t RegSettings::*,
                                  std::int16_t RegSettings::*>;

    struct Entry {
        Role role;
        const char* Section;
        const char* Key;
        Property property;
        // The text a missing value reads as; none: the property keeps the value it has.
        const char* Default = nullptr;
        // For Role::Version: the part of the running version a save writes.
        std::int16_t Version::*Running = nullptr;
    };

    // The table (SettingsLayoutEntries.cpp).
    static std::span<const Entry> Entries();
};

}  // namespace pwk
