#include "src/tracking/FoldersetLayout.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <unordered_map>

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

std::vector<FoldersetLayout::Stored> FoldersetLayout::ReadPositions(SettingsStore& store,
                                                                    const std::string& appName,
                                                                    const std::string& section) {
    std::vector<Stored> found;
    std::unordered_map<std::int32_t, std::size_t> at;  // where each position is in `found`
    const auto sections = SectionsOf(section);
    for (std::size_t i = 0; i < sections.size(); ++i) {
        for (auto& [key, value] : store.GetAllSettings(appName, sections[i])) {
            const auto position = PositionOf(key);
            if (!position) {
                continue;
            }
            const auto [where, added] = at.try_emplace(*position, found.size());
            if (added) {
                found.push_back({*position, {}});
            }
            found[where->second].Identifiers[i] = std::move(value);
        }
    }
    // Ordered by position through an index, each folderset then moved once.
    std::vector<std::pair<std::int32_t, std::size_t>> order;
    order.reserve(found.size());
    for (std::size_t i = 0; i < found.size(); ++i) {
        order.emplace_back(found[i].Position, i);
    }
    std::sort(order.begin(), order.end());
    std::vector<Stored> stored;
    stored.reserve(found.size());
    for (const auto& [position, index] : order) {
        stored.push_back(std::move(found[index]));
    }
    return stored;
}

std::array<std::string, 2 * FoldersetLayout::Folders.size()> FoldersetLayout::SectionsOf(
    const std::string& section) {
    std::array<std::string, 2 * Folders.size()> sections;
    for (std::size_t i = 0; i < Folders.size(); ++i) {
        sections[2 * i] = Folders[i].EntryIDSection(section);
        sections[2 * i + 1] = Folders[i].StoreIDSection(section);
    }
    return sections;
}

FoldersetLayout::Ids FoldersetLayout::IdsOf(const TrackedFolderset& folderset) {
    Ids ids;
    for (std::size_t i = 0; i < Folders.size(); ++i) {
        ids[2 * i] = (folderset.*Folders[i].EntryID)();
        ids[2 * i + 1] = (folderset.*Folders[i].StoreID)();
    }
    return ids;
}

bool FoldersetLayout::HasIds(const TrackedFolderset& folderset, const Ids& ids) {
    for (std::size_t i = 0; i < Folders.size(); ++i) {
        if ((folderset.*Folders[i].EntryID)() != ids[2 * i] ||
            (folderset.*Folders[i].StoreID)() != ids[2 * i + 1]) {
            return false;
        }
    }
    return true;
}

std::vector<FoldersetLayout::Ids> FoldersetLayout::ReadAll(SettingsStore& store,
                                                           const std::string& appName,
                                                           const std::string& section) {
    std::vector<Ids> all;
    for (Stored& stored : ReadPositions(store, appName, section)) {
        all.push_back(std::move(stored.Identifiers));
    }
    return all;
}

}  // namespace pwk
