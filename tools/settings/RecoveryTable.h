#pragma once

#include <string>
#include <vector>

#include "src/tracking/DroppedFolderset.h"
#include "tools/settings/FoldersetRecord.h"
#include "tools/settings/StoreAccess.h"

namespace pwk::settingstool {

// The recovery record of dropped foldersets (DroppedFoldersets), as the tool reads it.
class RecoveryTable {
  public:
    struct Entry {
        std::string Section;  // the record's own section
        DroppedFolderset Dropped;
    };

    // Every record, oldest drop first (then by the position it was dropped from), so that
    // `dropped` and `restore N` number them alike.
    static std::vector<Entry> Read(const StoreAccess& store);
    // Removes the records of these sections (inside the caller's batch).
    static void Remove(SettingsStore& store, const std::vector<std::string>& sections);

    static FoldersetRecord RecordOf(const DroppedFolderset& dropped);
    static DroppedFolderset DroppedOf(const FoldersetRecord& record);
};

}  // namespace pwk::settingstool
