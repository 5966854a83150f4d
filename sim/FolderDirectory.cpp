#include "sim/FolderDirectory.h"

#include <functional>

#include "sim/SimFolder.h"
#include "src/util/LinearProbe.h"

namespace pwk::sim {

namespace {

void Walk(const std::shared_ptr<SimFolder>& folder, std::vector<std::shared_ptr<SimFolder>>& all) {
    all.push_back(folder);
    for (const auto& sub : folder->Subfolders()) {
        Walk(sub.get(), all);
    }
}

}  // namespace

std::shared_ptr<SimFolder> FolderDirectory::Find(const std::vector<SimStore>& stores,
                                                 std::uint64_t changes, const std::string& entryId,
                                                 const std::string& storeId) {
    if (changes != builtAt_) {
        Rebuild(stores);
        builtAt_ = changes;
    }
    // No StoreID takes a folder of any store; one that no folder has finds nothing.
    std::uint32_t store = kNone;
    if (!storeId.empty()) {
        store = StoreOf(storeId);
        if (store == kNone) {
            return nullptr;
        }
    }
    const Cell& cell = CellOf(entryId, std::hash<std::string_view>()(entryId));
    for (std::uint32_t at = cell.first; at != kNone; at = folders_[at].next) {
        const Entry& entry = folders_[at];
        if (store == kNone || entry.store == store) {
            if (auto folder = entry.folder.lock()) {
                return folder;
            }
        }
    }
    return nullptr;
}

void FolderDirectory::Rebuild(const std::vector<SimStore>& stores) {
    std::vector<std::shared_ptr<SimFolder>> all;
    for (const SimStore& store : stores) {
        Walk(store.Top.get(), all);
    }
    std::size_t size = 16;
    while (size < 2 * all.size()) {
        size *= 2;
    }
    cells_.assign(size, Cell{});
    folders_.clear();
    folders_.reserve(all.size());
    ids_.clear();
    storeIds_.clear();
    for (const auto& folder : all) {
        std::uint32_t store = StoreOf(folder->StoreId());
        if (store == kNone) {
            store = static_cast<std::uint32_t>(storeIds_.size());
            storeIds_.push_back(folder->StoreId());
        }
        const std::string& id = folder->EntryId();
        const std::size_t hash = std::hash<std::string_view>()(id);
        Cell& cell = CellOf(id, hash);
        const auto at = static_cast<std::uint32_t>(folders_.size());
        folders_.push_back(Entry{folder, kNone, store});
        if (cell.first == kNone) {
            cell.hash = hash;
            cell.idAt = static_cast<std::uint32_t>(ids_.size());
            cell.idLength = static_cast<std::uint32_t>(id.size());
            ids_ += id;
            cell.first = at;
        } else {
            folders_[cell.last].next = at;
        }
        cell.last = at;
    }
}

std::uint32_t FolderDirectory::StoreOf(std::string_view storeId) const {
    for (std::size_t i = 0; i < storeIds_.size(); ++i) {
        if (storeIds_[i] == storeId) {
            return static_cast<std::uint32_t>(i);
        }
    }
    return kNone;
}

FolderDirectory::Cell& FolderDirectory::CellOf(std::string_view entryId, std::size_t hash) {
    return cells_[LinearProbe(hash, cells_.size(), [&](std::size_t i) {
        const Cell& cell = cells_[i];
        return cell.first == kNone ||
               (cell.hash == hash &&
                std::string_view(ids_).substr(cell.idAt, cell.idLength) == entryId);
    })];
}

}  // namespace pwk::sim
