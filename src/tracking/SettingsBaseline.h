#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "src/tracking/FoldersetLayout.h"

namespace pwk {

// What the store held when a settings object last read or saved it: the count of saves, each
// option's text by layout entry (none: not known), and the tracked foldersets as stored. A save
// holds its settings against it to tell its own changes from those another program saved.
struct SettingsBaseline {
    std::int64_t Changes = 0;
    std::vector<std::optional<std::string>> Options;
    std::vector<FoldersetLayout::Ids> Foldersets;
};

}  // namespace pwk
