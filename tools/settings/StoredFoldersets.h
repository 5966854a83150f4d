#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "tools/settings/FoldersetRecord.h"

namespace pwk::settingstool {

// The tracked foldersets as the store holds them.
struct StoredFoldersets {
    // What the add-in loads: the stored positions from 1 to "Count", in order (a position
    // that holds nothing is dropped by the add-in, and "Count" may be far above the rest).
    std::vector<FoldersetRecord> Records;
    std::int32_t Count = 0;    // as stored
    std::int64_t Skipped = 0;  // positions from 1 to "Count" that hold nothing
    // Foldersets stored after the last position "Count" names, by position: the add-in never
    // loads them and its next save loses them, so a rewrite keeps them for recovery.
    std::vector<std::pair<std::int32_t, FoldersetRecord>> AfterCount;
};

}  // namespace pwk::settingstool
