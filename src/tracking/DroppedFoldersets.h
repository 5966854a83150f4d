#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "src/tracking/DroppedFolderset.h"

namespace pwk {

class SettingsStore;
class TrackedFolderset;

// The recovery record: every tracked folderset a load dropped, kept beside the settings so
// that an administrator can see it and put it back (parleywick-settings dropped, restore).
// It lies under an application name of its own, because the add-in's save clears everything
// under the product title; the add-in only ever writes it.
//
// One section per folderset, "Dropped Foldersets\<16 hex digits>", named after its six
// identifiers, so that a folderset dropped again replaces its own record instead of piling up.
class DroppedFoldersets {
  public:
    static constexpr const char* AppName = "Parleywick Recovery";
    static constexpr const char* Section = "Dropped Foldersets";
    static constexpr const char* PositionKey = "Position";
    static constexpr const char* WhenKey = "Dropped";
    static constexpr const char* ReasonKey = "Reason";
    static constexpr const char* AttachDirKey = "AttachDir";
    static constexpr const char* WhenFormat = "yyyy-mm-dd hh:nn:ss";

    // The key of the i-th identifier: "ContactsEntryID", "ContactsStoreID", "JournalsEntryID" ...
    static std::string IDKey(std::size_t i);
    // The section that holds the record of a folderset with these identifiers.
    static std::string RecordSection(const DroppedFolderset& dropped);
    // The record of `folderset` dropped from `position`.
    static DroppedFolderset Of(const TrackedFolderset& folderset, std::int32_t position,
                               std::string when, std::string reason);
    // Writes the record in one batch (replacing an earlier record of the same folderset).
    static void Keep(SettingsStore& store, const DroppedFolderset& dropped);
    // How a log line or a message names the folderset.
    static std::string Describe(const DroppedFolderset& dropped);
};

}  // namespace pwk
