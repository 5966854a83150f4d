#pragma once

#include <cstdint>
#include <vector>

#include "src/tracking/FoldersetLayout.h"

namespace pwk {

// How a save merges the tracked foldersets another program saved with its own changes.
class SettingsMerge {
  public:
    // The merged list: `stored` without what `mine` removed since `base`, then what `mine`
    // added since `base` that `stored` lacks. Foldersets are the same when their identifiers
    // are.
    static std::vector<FoldersetLayout::Ids> Foldersets(
        const std::vector<FoldersetLayout::Ids>& base,
        const std::vector<FoldersetLayout::Ids>& mine,
        const std::vector<FoldersetLayout::Ids>& stored);
};

}  // namespace pwk
