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
    for (const auto& weak : found->second) {
        auto folder = weak.lock();
        if (folder && (storeId.empty() || folder->StoreId() == storeId)) {
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
    byEntryId_[folder->EntryId()].push_back(folder);
    for (const auto& sub : folder->Subfolders()) {
        Enter(sub.get());
    }
}

}  // namespace pwk::sim
