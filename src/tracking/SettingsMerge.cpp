#include "src/tracking/SettingsMerge.h"

#include <set>

namespace pwk {

std::vector<FoldersetLayout::Ids> SettingsMerge::Foldersets(
    const std::vector<FoldersetLayout::Ids>& base, const std::vector<FoldersetLayout::Ids>& mine,
    const std::vector<FoldersetLayout::Ids>& stored) {
    const std::set<FoldersetLayout::Ids> inBase(base.begin(), base.end());
    const std::set<FoldersetLayout::Ids> inMine(mine.begin(), mine.end());
    std::set<FoldersetLayout::Ids> inMerged;
    std::vector<FoldersetLayout::Ids> merged;
    for (const FoldersetLayout::Ids& ids : stored) {
        const bool removedHere = inBase.contains(ids) && !inMine.contains(ids);
        if (!removedHere && inMerged.insert(ids).second) {
            merged.push_back(ids);
        }
    }
    for (const FoldersetLayout::Ids& ids : mine) {
        if (!inBase.contains(ids) && inMerged.insert(ids).second) {
            merged.push_back(ids);
        }
    }
    return merged;
}

}  // namespace pwk
