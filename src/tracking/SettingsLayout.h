#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <type_traits>
#include <variant>

#include "src/resources/Version.h"

namespace pwk {

class RegSettings;

// Where the add-in's settings live in the settings store (under the product title) and what
// their properties are called, written once: ReadReg reads, SaveReg writes and CopySettings
// copies in the order of this table; the settings tool sets the same values, and the published
// settings object and the scenario runner know the properties by the names given here.
class SettingsLayout {
  public:
    static constexpr const char* Logging = "Logging";
    // The log location an administrator sets, which start-up reads.
    static constexpr const char* LogPath = "LogPath";
    static constexpr const char* LogFilename = "LogFilename";
    static constexpr const char* Tracking = "Tracking";
    static constexpr const char* VersionSection = "Version";
    // The property that holds the tracked foldersets.
    static constexpr const char* FoldersetsName = "TrackedFoldersets";

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
        // The property's name where it is not the key.
        const char* Name = nullptr;

        // The property's name as scripts and the scenario runner spell it; nothing for a value
        // without a property.
        const char* PropertyName() const;
        // An option held as a Boolean: one the user turns on and off.
        bool IsSwitch() const;
    };

    // The table (SettingsLayoutEntries.cpp).
    static std::span<const Entry> Entries();
    // The switch whose property has that name, exactly as spelled; nothing when there is none.
    static const Entry* FindSwitch(std::string_view name);

    // Calls `use(member)` with the entry's pointer to its member of RegSettings, if it has one.
    template <class Use>
    static void WithMember(const Entry& entry, Use&& use) {
        std::visit(
            [&](auto member) {
                if constexpr (!std::is_same_v<decltype(member), std::monostate>) {
                    use(member);
                }
            },
            entry.property);
    }
};

}  // namespace pwk
