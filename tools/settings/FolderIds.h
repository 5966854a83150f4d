#pragma once

#include <string>

namespace pwk::settingstool {

// A host folder as the settings store names it: its EntryID and its store's StoreID, both
// compared exactly.
struct FolderIds {
    std::string EntryID;
    std::string StoreID;

    bool operator==(const FolderIds&) const = default;
};

}  // namespace pwk::settingstool
