#include "sim/FolderDirectory.h"

#include "sim/SimFolder.h"

namespace pwk::sim {

std::shared_ptr<SimFolder> FolderDirectory::Find(const std::vector<SimStore>& stores,
                                                 std::uint64_t changes, const std::string& entryId,
                                                 const std::string& storeId) {
    if (changes != builtAt_) {
        Rebuild(stores);
        builtAt_ = changes;
    }
    const auto found = byEntryId_.find(entryId);
    if (found == byEntryId_.end()) {
        return nullptr;
    }
    const auto matching = [&](const std::weak_ptr<SimFolder>& weak) {
        auto folder = weak.lock();
        return folder && (storeId.empty() || folder->StoreId() == storeId) ? folder : nullptr;
    };
    if (auto folder = matching(found->second.first)) {
        return folder;
    }
    for (const auto& weak : found->second.more) {
        if (auto folder = matching(weak)) {
            return folder;
        }
    }
    return nullptr;
}

void FolderDirectory::Rebuild(const std::vector<SimStore>& stores) {
    byEntryId_.clear();
    for (const SimStore& store : stores) {
        Enter(store.Top.get());
    }
}

void FolderDirectory::Enter(const std::shared_ptr<SimFolder>& folder) {
    const auto [slot, added] = byEntryId_.try_emplace(folder->EntryId(), Slot{folder, {}});
    if (!added) {
        slot->second.more.push_back(folder);
    }
    for (const auto& sub : folder->Subfolders()) {
        Enter(sub.get());
    }
}

}  // namespace pwk::sim
