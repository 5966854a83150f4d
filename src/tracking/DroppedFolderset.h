#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "src/tracking/FoldersetLayout.h"

namespace pwk {

// A tracked folderset that a load of the settings dropped, as the recovery record keeps it.
struct DroppedFolderset {
    // EntryID and StoreID of each folder, folders in the order of FoldersetLayout::Folders.
    std::array<std::string, 2 * FoldersetLayout::Folders.size()> IDs;
    std::string AttachDir;
    std::int32_t Position = 0;  // where it was stored
    std::string When;           // "yyyy-mm-dd hh:nn:ss"
    std::string Reason;
};

}  // namespace pwk
