#pragma once

#include <array>

#include "src/tracking/FoldersetLayout.h"
#include "tools/settings/FolderIds.h"

namespace pwk::settingstool {

// One stored tracked folderset: its folders, in the order of FoldersetLayout::Folders.
struct FoldersetRecord {
    std::array<FolderIds, FoldersetLayout::Folders.size()> Folders;

    // The folder that may stand in one folderset only.
    const FolderIds& Contacts() const { return Folders[0]; }
};

}  // namespace pwk::settingstool
