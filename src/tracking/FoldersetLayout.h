#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "src/tracking/TrackedFolderset.h"

namespace pwk {

class SettingsStore;

// How the settings store keeps tracked foldersets, written once for the collection and the
// settings tool: "Count" in the collection's section, and each folder's EntryID and StoreID
// under the folderset's position in a subsection of their own ("<section>\Contacts\EntryID",
// "<section>\Contacts\StoreID", ...), folders in this order, EntryID first.
class FoldersetLayout {
  public:
    using Getter = const std::string& (TrackedFolderset::*)() const;

    struct Folder {
        const char* Name;   // the subsection: "Contacts", "Journals", "Emails"
        const char* Label;  // how messages name it
        Getter EntryID;
        Getter StoreID;

        std::string EntryIDSection(const std::string& section) const {
            return section + "\\" + Name + "\\EntryID";
        }
        std::string StoreIDSection(const std::string& section) const {
            return section + "\\" + Name + "\\StoreID";
        }
    };

    static constexpr const char* CountKey = "Count";

    // clang-format off
    static constexpr std::array<Folder, 3> Folders = {{
        {"Contacts", "contacts", &TrackedFolderset::getContactFoldEntryID, &TrackedFolderset::getContactFoldStoreID},
        {"Journals", "journal",  &TrackedFolderset::getJournFoldEntryID,   &TrackedFolderset::getJournFoldStoreID},
        {"Emails",   "e-mails",  &TrackedFolderset::getEmailFoldEntryID,   &TrackedFolderset::getEmailFoldStoreID},
    }};
    // clang-format on

    // A folderset's six identifiers in the order above: what makes two foldersets the same.
    using Ids = std::array<std::string, 2 * Folders.size()>;
    static Ids IdsOf(const TrackedFolderset& folderset);
    // Whether the folderset has exactly these identifiers (nothing is copied to tell).
    static bool HasIds(const TrackedFolderset& folderset, const Ids& ids);
    // The sections of `section` that hold the six identifiers, in the same order.
    static std::array<std::string, 2 * Folders.size()> SectionsOf(const std::string& section);
    // A stored position and the six identifiers it holds (one not stored reads as empty).
    struct Stored {
        std::int32_t Position = 0;
        Ids Identifiers;
    };
    // Every position that holds any of the six identifiers in `section`, in ascending order,
    // so that a reader walks what is stored rather than every number up to "Count". The six
    // sections are listed once each: one read per section, however long the list.
    static std::vector<Stored> ReadPositions(SettingsStore& store, const std::string& appName,
                                             const std::string& section);

    // Every folderset stored in `section`, in position order, as stored (nothing is checked
    // against a host; those stored after "Count" too, so that a reader that rewrites the list
    // loses none).
    static std::vector<Ids> ReadAll(SettingsStore& store, const std::string& appName,
                                    const std::string& section);
};

}  // namespace pwk
