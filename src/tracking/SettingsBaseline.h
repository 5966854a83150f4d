#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "src/tracking/FoldersetLayout.h"

namespace pwk {

// What the store held when a settings object last read or saved it: the count of saves, each
// option's text by layout entry (none: not known), and the tracked foldersets as stored. A save
// holds its settings against it to tell its own changes from those another program saved.
struct SettingsBaseline {
    using FoldersetList = std::vector<FoldersetLayout::Ids>;

    std::int64_t Changes = 0;
    std::vector<std::optional<std::string>> Options;
    // Never changed in place, only replaced: the copies of a baseline (the one a save kept of
    // what it saved over) share one list, however long. None reads as empty.
    std::shared_ptr<const FoldersetList> Foldersets;

    const FoldersetList& StoredFoldersets() const {
        static const FoldersetList none;
        return Foldersets ? *Foldersets : none;
    }
    static std::shared_ptr<const FoldersetList> Share(FoldersetList list) {
        return std::make_shared<const FoldersetList>(std::move(list));
    }
};

}  // namespace pwk
