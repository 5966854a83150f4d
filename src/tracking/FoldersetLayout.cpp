#include "src/tracking/FoldersetLayout.h"

#include <algorithm>
#include <limits>
#include <optional>

#include "src/platform/SettingsStore.h"

namespace pwk {

namespace {

// The position a key names, as readers spell it (decimal, no sign, no leading zero); other
// keys are never read and so do not count.
std::optional<std::int32_t> PositionOf(const std::string& key) {
    if (key.empty() || key.size() > 10 || key.front() == '0' ||
        !std::all_of(key.begin(), key.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    const long long value = std::stoll(key);
    if (value > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

}  // namespace

std::vector<std::int32_t> FoldersetLayout::StoredPositions(SettingsStore& store,
                                                           const std::string& appName,
                                                           const std::string& section) {
    std::vector<std::int32_t> positions;
    for (const Folder& folder : Folders) {
        for (const std::string& subsection :
             {folder.EntryIDSection(section), folder.StoreIDSection(section)}) {
            for (const auto& [key, value] : store.GetAllSettings(appName, subsection)) {
                if (const auto position = PositionOf(key)) {
                    positions.push_back(*position);
                }
            }
        }
    }
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    return positions;
}

FoldersetLayout::Ids FoldersetLayout::IdsOf(const TrackedFolderset& folderset) {
    Ids ids;
    for (std::size_t i = 0; i < Folders.size(); ++i) {
        ids[2 * i] = (folderset.*Folders[i].EntryID)();
        ids[2 * i + 1] = (folderset.*Folders[i].StoreID)();
    }
    return ids;
}

std::vector<FoldersetLayout::Ids> FoldersetLayout::ReadAll(SettingsStore& store,
                                                           const std::string& appName,
                                                           const std::string& section) {
    std::vector<Ids> all;
    for (const std::int32_t position : StoredPositions(store, appName, section)) {
        const std::string key = std::to_string(position);
        Ids& ids = all.emplace_back();
        for (std::size_t i = 0; i < Folders.size(); ++i) {
            ids[2 * i] = store.GetSetting(appName, Folders[i].EntryIDSection(section), key, "");
            ids[2 * i + 1] = store.GetSetting(appName, Folders[i].StoreIDSection(section), key, "");
        }
    }
    return all;
}

}  // namespace pwk
