#pragma once

#include <string>
#include <vector>

#include "tools/settings/FoldersetRecord.h"
#include "tools/settings/StoredFoldersets.h"

namespace pwk {
class SettingsStore;
}  // namespace pwk

namespace pwk::settingstool {

// The tracked foldersets as the add-in stores them (FoldersetLayout), in the default section.
class FoldersetTable {
  public:
    // The stored foldersets in position order, 1 to "Count", as stored (nothing is checked
    // against a host), without walking empty positions past the highest one stored. Refuses
    // a "Count" that is not a number, as the add-in cannot read it.
    static StoredFoldersets Read(SettingsStore& store);
    // Replaces the whole foldersets section by `records`, numbered 1 to N, in one batch: the
    // store holds either the old list or the new one, never a mixture.
    static void Write(SettingsStore& store, const std::vector<FoldersetRecord>& records);
};

}  // namespace pwk::settingstool
